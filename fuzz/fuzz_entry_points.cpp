#include "fuzz_entry_points.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>

#include "align/alignment_passes.h"
#include "align/fix_script.h"
#include "autolinks/auto_contents.h"
#include "autolinks/auto_index.h"
#include "core/errors.h"
#include "core/headless_front_end.h"
#include "create/annotation_merge.h"
#include "create/auto_page_links.h"
#include "create/link_style.h"
#include "create/link_writer.h"
#include "create/page_scan.h"
#include "create/text_dump.h"
#include "djvused/component_list.h"
#include "djvused/page_targets.h"
#include "djvused/script_dialect.h"
#include "page/text_layer.h"
#include "folios/folio_map.h"
#include "folios/folio_reader.h"
#include "outline/outline_script.h"
#include "outline/outline_title.h"

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

// Fails the run when set-ant or set-outline data holds a line that ends it.
void RequireWholeData(const QByteArray& data) {
  if (dialect::HoldsEndOfData(data)) qFatal("data for a script holds a line that ends it");
}

// Fails the run unless the script is blocks of "select", "set-ant", data
// and "." (a page comment before each), the data without a line ending it.
void RequireBlocks(const QByteArray& script) {
  const QList<QByteArrayView> lines = dialect::SplitLines(script);
  qsizetype i = 0;
  while (i < lines.size()) {
    if (lines[i] == dialect::kPageComment) ++i;
    if (i + 1 >= lines.size() || !lines[i].startsWith("select \"") || lines[i + 1] != dialect::kSetAnt) {
      qFatal("the fix script holds a line outside its blocks");
    }
    i += 2;
    while (i < lines.size() && lines[i].trimmed() != ".") ++i;
    if (i >= lines.size() || lines[i] != dialect::kEndOfData) qFatal("a block of the fix script never ends");
    ++i;
  }
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
  LinkLook look;
  look.shape = int((flags >> 3) & 1);
  look.borderType = int(Setting(settingsLine, 4) % 7);
  look.borderColor = 0x0000FF;
  look.borderWidth = int(Setting(settingsLine, 5) % 40);
  look.alwaysVisible = ((flags >> 4) & 1) != 0;
  look.highlight = ((flags >> 5) & 1) != 0;
  look.highlightColor = 0x00FF00;
  const LinkStyle style = BuildLinkStyle(look);
  HeadlessFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AskWhenUnclear, (flags & 64) != 0);
  try {
    const TextDumpLines dump = TextDumpLines::FromText(dumpText);
    const TextPageRange range{first, last};
    LinkWriter writer(style, range);
    PageScan(dump, range, settings, writer, frontEnd).Run();
    // The dump's text read as a page's old annotations, merged with the new links.
    for (const PageLinks& page : writer.Pages()) {
      if (const auto merged = MergeAnnotations(dumpText, page.Areas(), page.text)) RequireWholeData(*merged);
    }
    if ((flags & 32) != 0) MergeAnnotations(dumpText, {PageRect::Sized(0, 0, 1 << 20, 1 << 20)}, {});
  } catch (const QuillmarkError&) {
    // a field that is not a whole number: the run reports it
  }
}

void ReadComponentList(const QByteArray& input) {
  const QList<ComponentLine> components = ::ReadComponentList(input);
  for (const ComponentLine& component : components) {
    if (component.name.isEmpty()) qFatal("a component without a name");
  }
  const PageTargets targets(components);
  for (int page = 1; page <= targets.PageCount(); ++page) targets.Open(targets.UrlOf(page), page);
}

void AlignAnnotationDump(const QByteArray& input) {
  const QString dump = ScratchPath("myfile.dsed");
  const QString script = ScratchPath("myfile1.dsed");
  WriteScratch(dump, input);
  try {
    std::optional<align::PageTable> table = align::MeasurePages(dump);
    if (!table) return;
    const QList<QByteArray> before = dialect::ReadLines(dump, dialect::LineEnd::Dump);
    align::RewritePages(dump, script, *table);
    RequireBlocks(align::ChangedSectionsScript(before, dialect::ReadLines(dump, dialect::LineEnd::OwnFile)).script);
  } catch (const QuillmarkError&) {
    // a broken area, a dump not laid out as djvused prints it, or a file error: the job reports it
  }
}

void MergePageAnnotations(const QByteArray& input) {
  for (const AnnotationRecord& piece : ReadAnnotationPieces(input)) {
    if (piece.begin < 0 || piece.end > input.size() || piece.begin >= piece.end) qFatal("a piece outside the text");
  }
  if (const auto data = AsSetAntData(input)) RequireWholeData(*data);
  const QByteArray link = "(maparea \"#2\" \"\" (rect 0 0 5000 5000 ) (xor ) ) ";
  if (const auto merged = MergeAnnotations(input, {PageRect::Sized(0, 0, 5000, 5000)}, link)) {
    RequireWholeData(*merged);
    // A second run over what the first wrote gives the same text.
    const auto again = MergeAnnotations(*merged, {PageRect::Sized(0, 0, 5000, 5000)}, link);
    if (!again || *again != *merged) qFatal("a second merge changed the text");
  }
}

void RecogniseAutoLinks(const QByteArray& input) {
  const qsizetype cut = input.indexOf('\n');
  const QByteArray settingsLine = cut < 0 ? input : input.left(cut);
  const QByteArray zones = cut < 0 ? QByteArray() : input.mid(cut + 1);
  const unsigned flags = Setting(settingsLine, 0);
  AutoLinkSettings settings;
  settings.workType = (flags & 1) != 0 ? WorkType::IndexAuto : WorkType::ContentsAuto;
  settings.offset = int(Setting(settingsLine, 1)) - 128;
  settings.halve = (flags & 2) != 0;
  if ((flags & 4) != 0) settings.romanOffset = int(Setting(settingsLine, 2) % 32) + 1;
  settings.pageCount = int(Setting(settingsLine, 3)) + 1;
  AutoPageLinks links(settings, [flags](int, int current, int, const QString&) -> std::optional<int> {
    if ((flags & 8) == 0) return std::nullopt;
    return current;
  });
  try {
    const TextZone page = ParseTextLayer(zones);
    QList<ContentsEntry> outline;
    for (int documentPage = 1; documentPage <= 2; ++documentPage) {
      for (const ContentsEntry& entry : links.Page(page, documentPage)) {
        ContentsEntry bookmark;
        bookmark.title = entry.title;
        bookmark.target = entry.target;
        bookmark.page = documentPage;
        bookmark.level = 1 + int(outline.size() % 3);
        outline << bookmark;
      }
    }
    RequireWholeData(OutlineData(outline));
  } catch (const QuillmarkError&) {
    // a zone tree that does not read: the run reports it
  }
}

void ReadPageFolios(const QByteArray& input) {
  try {
    const QList<Folio> candidates = ReadFolioCandidates(input);
    QList<PageFolios> pages;
    for (int page = 1; page <= 12; ++page) {
      // The same page read at every place, its numbers shifted as a book's folios run on.
      QList<Folio> shifted;
      for (const Folio& folio : candidates) {
        if (folio.number < 100000) shifted << Folio{folio.number + page, folio.roman};
      }
      pages << PageFolios{page, shifted};
    }
    const FolioMap map = FolioMap::Build(pages, 12, 3);
    map.Describe();
    for (int page = 1; page <= 12; ++page) map.PrintedOn(page);
    for (const Folio& folio : candidates) map.PageOf(folio.number, folio.roman);
  } catch (const QuillmarkError&) {
    // a zone tree that does not read: the run reports it
  }
}

void QuoteOutlineTitle(const QByteArray& input) {
  QStringList words = QString::fromUtf8(input).split(QLatin1Char(' '));
  const QString title = OutlineTitle(words);
  QList<ContentsEntry> entries(2);
  entries[0].title = title;
  entries[0].target = 3;
  entries[1].title = QString::fromUtf8(input);
  entries[1].target = 4;
  entries[1].level = 2;
  const QByteArray data = OutlineData(entries);
  RequireWholeData(data);
  if (data.contains('\n') && dialect::LineBreak() == "\n" && data.count('\n') != entries.size()) {
    qFatal("a title spans lines of the outline data");
  }
}

}  // namespace fuzzing
