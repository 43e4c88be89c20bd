#include "create/shape_readings.h"

#include <QSet>

#include "ocr/digit_shapes.h"
#include "ocr/page_pictures.h"

namespace {

// How much better another reading must fit the learnt shapes than the text's
// digits, in units of a confirmed digit's usual misfit.
constexpr double kSureMargin = 2.0;

// The share of an index's numbers the check must find misread (corrected,
// doubtful or read from look-alike letters) before its pages are rendered.
constexpr int kMisreadPercent = 2;

// With fewer confirmed numbers than this the shapes are learnt from the
// unconfirmed ones too.
constexpr int kFewConfirmed = 30;

bool Readable(const targets::NumberEntry& e) { return e.index && !e.entry.printed.roman; }

}  // namespace

PageRect NumberBox(const ContentsEntry& e, bool index) {
  if (index) return e.area;
  const qint64 height = e.lineHeight > 0 ? e.lineHeight : e.area.Height();
  const qint64 width = height * (PrintedText(e.printed).size() + 1) * 3 / 5;
  return PageRect::Edges(qMax(e.area.left, e.area.right - width), e.area.bottom, e.area.right,
                         qMin(e.area.top, e.area.bottom + height));
}

bool ShowsMisreadings(const QList<targets::NumberEntry>& entries, const QList<targets::CheckedNumber>& checked) {
  int numbers = 0, misread = 0;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!Readable(entries[i])) continue;
    ++numbers;
    const targets::Verdict v = checked[i].verdict;
    if (v == targets::Verdict::Corrected || v == targets::Verdict::Doubtful || entries[i].entry.lookAlike) ++misread;
  }
  return numbers > 0 && misread * 100 >= numbers * kMisreadPercent;
}

QHash<qsizetype, int> ShapeReadings(const QList<targets::NumberEntry>& entries,
                                    const QList<targets::CheckedNumber>& checked, const QString& bookPath,
                                    const QString& workFolder) {
  QList<int> pages;
  for (const targets::NumberEntry& e : entries) {
    if (Readable(e) && !pages.contains(e.entry.page)) pages << e.entry.page;
  }
  const std::map<int, ocr::Picture> pictures = ocr::RenderPages(bookPath, pages, workFolder);
  const auto printedOf = [&](const targets::NumberEntry& e) {
    return ocr::PrintedNumber{&pictures.at(e.entry.page), NumberBox(e.entry, e.index), PrintedText(e.entry.printed)};
  };
  // The shapes are learnt from the numbers whose pages hold their terms,
  // read from digits, not from look-alike letters; with few such numbers,
  // from those nothing speaks against too.
  QList<ocr::PrintedNumber> confirmed, unconfirmed;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!Readable(entries[i]) || entries[i].entry.lookAlike) continue;
    if (checked[i].verdict == targets::Verdict::Kept) confirmed << printedOf(entries[i]);
    if (checked[i].verdict == targets::Verdict::Unconfirmed) unconfirmed << printedOf(entries[i]);
  }
  if (confirmed.size() < kFewConfirmed) confirmed << unconfirmed;
  const ocr::DigitShapes shapes(confirmed);
  QHash<qsizetype, int> readings;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!Readable(entries[i])) continue;
    const std::optional<ocr::ShapeReading> reading = shapes.Read(printedOf(entries[i]));
    if (reading && reading->margin >= kSureMargin) readings.insert(i, reading->digits.toInt());
  }
  return readings;
}
