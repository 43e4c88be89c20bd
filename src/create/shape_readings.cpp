#include "create/shape_readings.h"

#include <QSet>
#include <map>

#include "ocr/digit_shapes.h"
#include "ocr/page_pictures.h"
#include "page/printed_lines.h"

namespace {

// How much better another reading must fit the learnt shapes than the text's
// digits, in units of a confirmed digit's usual misfit.
constexpr double kSureMargin = 2.0;
// And against a number whose page holds its term.
constexpr double kSureMarginAgainstText = 2.5;

// The share of an index's numbers the check must find misread (corrected,
// doubtful or read from look-alike letters) before its pages are rendered.
constexpr int kMisreadPercent = 2;

// With fewer confirmed numbers than this the shapes are learnt from the
// unconfirmed ones too.
constexpr int kFewConfirmed = 30;

// A page whose digits as read misfit the book's shapes by this many times a
// confirmed digit's usual misfit (the median of its numbers) learns its own.
constexpr double kUnlikeMisfit = 2.0;

bool Readable(const targets::NumberEntry& e) { return e.index && !e.entry.printed.roman; }

}  // namespace

PageRect NumberBox(const ContentsEntry& e, bool index) {
  if (index) return e.area;
  const qint64 height = e.lineHeight > 0 ? e.lineHeight : e.area.Height();
  const qint64 width = height * (PrintedText(e.printed).size() + 1) * 3 / 5;
  return PageRect::Edges(qMax(e.area.left, e.area.right - width), e.area.bottom, e.area.right,
                         qMin(e.area.top, e.area.bottom + height));
}

QSet<int> PagesShowingMisreadings(const QList<targets::NumberEntry>& entries,
                                  const QList<targets::CheckedNumber>& checked) {
  std::map<int, std::pair<int, int>> counts;  // by page: numbers, misread
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!Readable(entries[i])) continue;
    std::pair<int, int>& count = counts[entries[i].entry.page];
    ++count.first;
    const targets::Verdict v = checked[i].verdict;
    if (v == targets::Verdict::Corrected || v == targets::Verdict::Doubtful || entries[i].entry.lookAlike) ++count.second;
  }
  QSet<int> pages;
  for (const auto& [page, count] : counts) {
    if (count.second > 0 && count.second * 100 >= count.first * kMisreadPercent) pages.insert(page);
  }
  return pages;
}

QHash<qsizetype, int> ShapeReadings(const QList<targets::NumberEntry>& entries,
                                    const QList<targets::CheckedNumber>& checked, const QSet<int>& pages,
                                    const QString& bookPath, const QString& workFolder) {
  // Each page's part that holds its numbers, rendered once.
  std::map<int, PageRect> areas;
  for (const targets::NumberEntry& e : entries) {
    if (!Readable(e)) continue;
    const PageRect read = ocr::AreaRead(NumberBox(e.entry, e.index));
    const auto known = areas.find(e.entry.page);
    areas[e.entry.page] = known == areas.end() ? read : Union(known->second, read);
  }
  QList<ocr::PagePart> pageParts;
  for (const auto& [page, area] : areas) {
    pageParts << ocr::PagePart{page, PageRect::Edges(qMax<qint64>(0, area.left), qMax<qint64>(0, area.bottom),
                                                     area.right, area.top)};
  }
  QHash<qsizetype, ocr::NumberPart> parts;  // by entry index
  ocr::RenderPageParts(bookPath, pageParts, workFolder, [&](const ocr::PagePart& part, const ocr::Picture& picture) {
    for (qsizetype i = 0; i < entries.size(); ++i) {
      if (!Readable(entries[i]) || entries[i].entry.page != part.page) continue;
      const PageRect box = NumberBox(entries[i].entry, entries[i].index);
      // The box in the part's own units: its corner is the part's bottom left.
      parts.insert(i, ocr::PartOfPage(picture, PageRect::Sized(box.left - part.area.left, box.bottom - part.area.bottom,
                                                               box.Width(), box.Height())));
    }
  });
  const auto printedOf = [&](qsizetype i) {
    const ocr::NumberPart& part = parts[i];
    return ocr::PrintedNumber{&part.picture, part.box, PrintedText(entries[i].entry.printed)};
  };
  // The shapes are learnt from the numbers whose pages hold their terms,
  // read from digits, not from look-alike letters; with few such numbers,
  // from those nothing speaks against too.
  const auto learn = [&](std::optional<int> page) {
    QList<ocr::PrintedNumber> confirmed, unconfirmed;
    for (qsizetype i = 0; i < entries.size(); ++i) {
      if (!Readable(entries[i]) || entries[i].entry.lookAlike || (page && entries[i].entry.page != *page)) continue;
      if (checked[i].verdict == targets::Verdict::Kept) confirmed << printedOf(i);
      if (checked[i].verdict == targets::Verdict::Unconfirmed) unconfirmed << printedOf(i);
    }
    if (confirmed.size() < kFewConfirmed) confirmed << unconfirmed;
    return ocr::DigitShapes(confirmed);
  };
  const ocr::DigitShapes bookShapes = learn(std::nullopt);
  QHash<qsizetype, ocr::ShapeReading> read;
  std::map<int, std::vector<double>> misfits;  // by page
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!Readable(entries[i])) continue;
    if (const std::optional<ocr::ShapeReading> reading = bookShapes.Read(printedOf(i))) {
      read.insert(i, *reading);
      misfits[entries[i].entry.page].push_back(reading->misfit);
    }
  }
  // A page whose digits fit the book's shapes far worse than the book's own
  // do was printed or scanned otherwise (a page scanned apart, a typeset
  // page among scans): it learns its own shapes.
  for (auto& [page, fits] : misfits) {
    std::nth_element(fits.begin(), fits.begin() + fits.size() / 2, fits.end());
    if (fits[fits.size() / 2] < kUnlikeMisfit) continue;
    const ocr::DigitShapes pageShapes = learn(page);
    for (qsizetype i = 0; i < entries.size(); ++i) {
      if (!Readable(entries[i]) || entries[i].entry.page != page) continue;
      read.remove(i);
      if (const std::optional<ocr::ShapeReading> reading = pageShapes.Read(printedOf(i))) read.insert(i, *reading);
    }
  }
  QHash<qsizetype, int> readings;
  for (auto reading = read.cbegin(); reading != read.cend(); ++reading) {
    const qsizetype i = reading.key();
    if (!pages.contains(entries[i].entry.page)) continue;
    const bool confirmedByText = checked[i].verdict == targets::Verdict::Kept;
    if (reading->margin >= (confirmedByText ? kSureMarginAgainstText : kSureMargin)) {
      readings.insert(i, reading->digits.toInt());
    }
  }
  return readings;
}
