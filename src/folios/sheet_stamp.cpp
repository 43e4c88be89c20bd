#include "folios/sheet_stamp.h"

#include <algorithm>

#include "folios/folio_reader.h"

namespace {

// "Лист", "лист", "ЛИСТ", with a dot or colon after it, and with the Latin
// letters OCR puts for the Cyrillic ones (Jlист, Лиcт).
bool IsSheetLabel(const QString& word) {
  QString folded;
  for (QChar c : word.toLower()) {
    if (c == QLatin1Char('.') || c == QLatin1Char(':')) continue;
    if (c == QLatin1Char('c')) c = QChar(0x0441);  // Latin c for Cyrillic с
    if (c == QLatin1Char('t')) c = QChar(0x0442);
    folded += c;
  }
  return folded == QStringLiteral(u"лист");
}

// A number right under the label (their columns overlap, its top within
// three label heights below the label), or just right of it on its line.
bool BelongsToLabel(const PageRect& number, const PageRect& label) {
  const qint64 height = std::max<qint64>(label.Height(), 1);
  const bool overlapping = number.left < label.right + height && number.right > label.left - height;
  const bool under = overlapping && number.top <= label.bottom + height / 2 && number.top >= label.bottom - 3 * height;
  const qint64 middle = (number.top + number.bottom) / 2;
  const bool beside = number.left >= label.right - height / 2 && number.left <= label.right + 3 * height &&
                      middle >= label.bottom && middle <= label.top;
  return under || beside;
}

}  // namespace

std::optional<Folio> StampSheetNumber(const QList<PrintedWord>& words, qint64 footTop) {
  QList<const PrintedWord*> labels;
  for (const PrintedWord& word : words) {
    if (word.box.top <= footTop && IsSheetLabel(word.text)) labels << &word;
  }
  std::sort(labels.begin(), labels.end(),
            [](const PrintedWord* a, const PrintedWord* b) { return a->box.right > b->box.right; });
  for (const PrintedWord* label : labels) {
    for (const PrintedWord& word : words) {
      if (&word == label || !BelongsToLabel(word.box, label->box)) continue;
      const std::optional<Folio> folio = ParseFolioToken(word.text);
      if (folio && !folio->roman) return folio;
    }
  }
  return std::nullopt;
}
