#include "fuzz_entry_points.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>

#include "align/alignment_passes.h"
#include "core/errors.h"
#include "core/headless_front_end.h"
#include "create/annotation_merge.h"
#include "create/link_style.h"
#include "create/link_writer.h"
#include "create/page_scan.h"
#include "create/text_dump.h"

namespace fuzzing {

namespace {

// A byte of the settings line, 0 when the line is shorter.
unsigned Setting(const QByteArray& line, int index) {
  return index < line.size() ? static_cast<unsigned char>(line[index]) : 0u;
}

// One scratch folder per process, so parallel fuzzing jobs never share files.
QString ScratchPath(const char* name) {
  static const QString folder = [] {
    const QString path = QDir::temp().filePath(QStringLiteral("quillmark-fuzz-%1").arg(QCoreApplication::applicationPid()));
    QDir().mkpath(path);
    return path;
  }();
  return QDir(folder).filePath(QString::fromLatin1(name));
}

void WriteScratch(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write the scratch file %s", qPrintable(path));
  }
}

// The pages a component list would name for this dump: the names of its own
// selection lines in range, or a name it does not hold (the row's page
// numbers then stand as the ordinals).
PageNameList PagesOf(const TextDumpLines& dump, int first, int last, bool foreignNames) {
  PageNameList pages;
  QByteArray name;
  for (qsizetype i = 0; i < dump.size(); ++i) {
    if (!PageSelectionName(dump.at(i), &name)) continue;
    ++pages.pageCount;
    if (pages.pageCount >= first && pages.pageCount <= last) pages.names << (foreignNames ? "absent.djvu" : name);
  }
  return pages;
}

}  // namespace

void ScanTextDump(const QByteArray& input) {
  const qsizetype cut = input.indexOf('\n');
  const QByteArray settingsLine = cut < 0 ? input : input.left(cut);
  const QByteArray dumpText = cut < 0 ? QByteArray() : input.mid(cut + 1);
  const unsigned flags = Setting(settingsLine, 0);
  const int first = int(Setting(settingsLine, 1) % 8);
  const int last = first + int(Setting(settingsLine, 2) % 8) - 1;  // may end before it starts
  const int offset = int(Setting(settingsLine, 3)) - 128;
  ScanSettings settings{static_cast<WorkType>(flags % 3), offset, (flags & 4) != 0, 0, nullptr, {}};
  const LinkStyle style =
      BuildLinkStyle(int((flags >> 3) & 1), int(Setting(settingsLine, 4) % 7), QStringLiteral("FF0000"),
                     int(Setting(settingsLine, 5) % 40), int((flags >> 4) & 1), int((flags >> 5) & 1),
                     QStringLiteral("00FF00"));
  HeadlessFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AskWhenUnclear, (flags & 64) != 0);
  try {
    const TextDumpLines dump = TextDumpLines::FromText(dumpText);
    const PageNameList pages = PagesOf(dump, first, last, (flags & 128) != 0);
    const TextPageRange range = MapRange(pages, dump, first, last);
    LinkWriter writer(style, range);
    PageScan(dump, range, settings, writer, frontEnd).Run();
    // The dump's text read as a page's old annotations, merged with the new links.
    for (const PageLinks& page : writer.Pages()) MergeAnnotations(dumpText, page.areas, page.text);
    if ((flags & 32) != 0) MergeAnnotations(dumpText, {LinkArea{0, 0, 1 << 20, 1 << 20}}, {});
  } catch (const QuillmarkError&) {
    // a field that is not a whole number: the run reports it
  }
}

void ReadComponentList(const QByteArray& input) {
  QByteArray name;
  for (const QByteArray& line : input.split('\n')) ComponentPageName(line, &name);
  const int first = input.isEmpty() ? 1 : static_cast<unsigned char>(input[0]) % 16;
  const QString path = ScratchPath("list.dsed");
  WriteScratch(path, input);
  try {
    const PageNameList pages = ReadPageNameList(path, first, first + 3);
    if (pages.names.size() > pages.pageCount) qFatal("more names in range than pages in the list");
  } catch (const QuillmarkError&) {
  }
}

void AlignAnnotationDump(const QByteArray& input) {
  const QString dump = ScratchPath("myfile.dsed");
  const QString script = ScratchPath("myfile1.dsed");
  WriteScratch(dump, input);
  try {
    std::optional<align::PageTable> table = align::MeasurePages(dump);
    if (table) align::RewritePages(dump, script, *table);
  } catch (const QuillmarkError&) {
    // a broken area or a file error: the job reports it
  }
}

}  // namespace fuzzing
