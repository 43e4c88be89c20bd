#include "align/fix_script.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

#include "align/dump_line.h"
#include "core/errors.h"
#include "djvused/annotation_records.h"
#include "djvused/script_dialect.h"
#include "djvused/selection_line.h"

namespace align {

namespace {

// A block opens at `i`: an optional page comment, a selection line, "set-ant".
bool OpensBlock(const QList<QByteArray>& lines, qsizetype i) {
  if (i < lines.size() && lines[i].startsWith("# ")) ++i;
  return i + 1 < lines.size() && dialect::ReadSelection(lines[i]) && lines[i + 1] == dialect::kSetAnt;
}

[[noreturn]] void Unreadable(qsizetype line) {
  throw DjvusedError(
      QCoreApplication::translate("FixScript", "Вывод djvused (аннотации) не читается: строка %1").arg(line + 1));
}

QByteArray Joined(const QList<QByteArray>& lines, qsizetype first, qsizetype end) {
  QByteArray text;
  for (qsizetype i = first; i < end; ++i) {
    if (i > first) text += dialect::LineBreak();
    text += lines[i];
  }
  return text;
}

// How many internal-link areas of the block differ between the two dumps.
int MovedAreas(const QList<QByteArray>& before, const QList<QByteArray>& after, const DumpSection& section) {
  DumpScanner was, is;
  int moved = 0;
  for (qsizetype i = section.first; i < section.end; ++i) {
    const DumpLine a = was.Scan(before[i]);
    const DumpLine b = is.Scan(after[i]);
    for (size_t k = 0; k < a.areas.size() && k < b.areas.size(); ++k) {
      if (a.areas[k].box != b.areas[k].box) ++moved;
    }
  }
  return moved;
}

}  // namespace

QList<DumpSection> ReadDumpSections(const QList<QByteArray>& lines) {
  QList<DumpSection> sections;
  if (lines.isEmpty()) return sections;
  if (lines.first() != "select; remove-ant") Unreadable(0);
  QSet<QByteArray> named;
  qsizetype i = 1;
  while (i < lines.size()) {
    if (lines[i].startsWith("# ")) ++i;
    const std::optional<dialect::Selection> selection =
        i + 1 < lines.size() ? dialect::ReadSelection(lines[i]) : std::nullopt;
    if (!selection || lines[i + 1] != dialect::kSetAnt) Unreadable(i);
    DumpSection section;
    section.name = selection->name;
    section.page = selection->page;
    if (named.contains(section.name)) Unreadable(i);
    named.insert(section.name);
    section.first = i + 2;
    qsizetype end = section.first;
    while (end < lines.size() && !(lines[end] == dialect::kEndOfData && (end + 1 == lines.size() || OpensBlock(lines, end + 1)))) {
      ++end;
    }
    if (end >= lines.size()) Unreadable(lines.size() - 1);
    section.end = end;
    sections << section;
    i = end + 1;
  }
  return sections;
}

QList<DumpSection> ChangedSections(const QList<QByteArray>& before, const QList<QByteArray>& after) {
  if (before.size() != after.size()) {
    throw DjvusedError(QCoreApplication::translate("FixScript", "Выровненный текст аннотаций не совпадает с прочитанным"));
  }
  QList<DumpSection> changed;
  for (const DumpSection& section : ReadDumpSections(before)) {
    // A block where nothing was aligned is not written.
    if (!std::equal(before.begin() + section.first, before.begin() + section.end, after.begin() + section.first)) {
      changed << section;
    }
  }
  return changed;
}

FixScript ChangedSectionsScript(const QList<QByteArray>& before, const QList<QByteArray>& after,
                                const SectionFilter& write) {
  FixScript result;
  const QByteArray br = dialect::LineBreak();
  for (const DumpSection& section : ChangedSections(before, after)) {
    if (write && !write(section)) continue;
    const QByteArray text = Joined(after, section.first, section.end);
    const QList<AnnotationRecord> pieces = ReadAnnotationPieces(text);
    const std::optional<QByteArray> data = AsSetAntData(text);
    if (!data || std::any_of(pieces.begin(), pieces.end(), [](const AnnotationRecord& r) { return !r.readable; })) {
      result.unreadable << (section.page > 0 ? QCoreApplication::translate("FixScript", "стр. %1").arg(section.page)
                                             : QString::fromUtf8(section.name));
      continue;
    }
    if (section.page > 0) result.script += dialect::kPageComment + br;
    result.script += "select " + dialect::Quote(section.name) + br + dialect::kSetAnt + br;
    if (!data->isEmpty()) result.script += *data + br;
    result.script += dialect::kEndOfData + br;
    const int moved = MovedAreas(before, after, section);
    result.areas += moved;
    if (moved > 0) ++result.pages;
  }
  return result;
}

}  // namespace align
