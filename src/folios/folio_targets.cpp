#include "folios/folio_targets.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int kExamples = 3;
constexpr int kListedNumbers = 10;


}  // namespace

std::optional<qint64> FolioTargets::Target(int printed, bool roman, qint64 fixed, bool check) {
  if (bookNumbers_) return Place(printed, roman);
  if (check) Check(printed, roman, fixed);
  return fixed;
}

std::optional<int> FolioTargets::Place(int printed, bool roman) {
  const std::optional<int> page = map_.PageOf(printed, roman);
  if (!page) {
    if (!unplaced_.contains(printed)) unplaced_.append(printed);
  } else if (roman) {
    romanUsed_ = true;
  } else if (!offsetsUsed_.contains(*page - printed)) {
    offsetsUsed_.append(*page - printed);
  }
  return page;
}

void FolioTargets::Check(int printed, bool roman, qint64 target) {
  std::optional<Folio> shown;
  if (checkOnly_) {
    if (const auto it = pageFolios_.constFind(target); it != pageFolios_.constEnd()) shown = *it;
  } else if (target >= 1 && target <= map_.PageCount()) {
    shown = map_.PrintedOn(int(target));
  }
  if (!shown) return;
  ++checked_;
  if (*shown == Folio{printed, roman}) return;
  const Mismatch m{printed, roman, target, *shown};
  if (std::find(mismatches_.begin(), mismatches_.end(), m) != mismatches_.end()) return;  // asked again
  mismatches_.append(m);
}

QStringList FolioTargets::PlacedLines() const {
  QStringList lines;
  QList<int> offsets = offsetsUsed_;
  std::sort(offsets.begin(), offsets.end());
  QStringList used;
  for (int offset : offsets) used << OffsetText(offset);
  if (romanUsed_) used << QCoreApplication::translate("FolioTargets", "римские номера");
  lines << QCoreApplication::translate("FolioTargets", "Страницы по номерам книги, смещение: %1")
               .arg(used.isEmpty() ? QCoreApplication::translate("FolioTargets", "нет ссылок")
                                   : used.join(QStringLiteral(", ")));
  if (!unplaced_.isEmpty()) {
    QStringList numbers;
    for (int number : unplaced_.mid(0, kListedNumbers)) numbers << QString::number(number);
    if (unplaced_.size() > kListedNumbers) numbers << QStringLiteral("…");
    lines << QCoreApplication::translate("FolioTargets", "Номера, которых нет в книге, ссылки не созданы (%1): %2")
                 .arg(unplaced_.size())
                 .arg(numbers.join(QStringLiteral(", ")));
  }
  return lines;
}

QStringList FolioTargets::CheckLines(int offset) const {
  if (mismatches_.isEmpty()) return {};
  QStringList examples;
  for (const Mismatch& m : mismatches_.mid(0, kExamples)) {
    examples << QCoreApplication::translate("FolioTargets", "%1 → стр. %2 (на ней %3)")
                    .arg(PrintedText(Folio{m.printed, m.roman}))
                    .arg(m.target)
                    .arg(PrintedText(m.shown));
  }
  return {QCoreApplication::translate(
              "FolioTargets",
              "Внимание: смещение %1 не совпадает с номерами страниц книги у %2 из %3 проверенных ссылок, например: %4")
              .arg(OffsetText(offset))
              .arg(mismatches_.size())
              .arg(checked_)
              .arg(examples.join(QStringLiteral("; ")))};
}
