#include "support/folio_book.h"

#include "folios/folio_reader.h"
#include "support/djvu_documents.h"

namespace folio_book {

namespace {

using testdocs::LayoutLine;
using testdocs::TextLine;
using testdocs::Word;

const QList<int> kChapterOpenings = {1, 31, 61, 91, kFirstAfterPlates, 151, 181, 211, 241, 271};
constexpr int kTextlessPage = 150;

// What the OCR read instead of the folio on a few pages.
QString FolioAsRead(int page, int printed) {
  if (page == 60) return QStringLiteral("84");
  if (page == 160) return QStringLiteral("156");
  if (page == 230) return QStringLiteral("22O");
  return QString::number(printed);
}

QList<TextLine> Body(int seed) {
  return {LayoutLine(1200, 1240, {QStringLiteral("Текст"), QStringLiteral("страницы"), QString::number(seed)}),
          LayoutLine(900, 940, {QStringLiteral("и"), QStringLiteral("ещё"), QString::number(seed % 7 + 1)})};
}

QList<TextLine> BodyPage(int page, int printed) {
  QList<TextLine> lines;
  if (kChapterOpenings.contains(printed)) {
    lines << LayoutLine(1400, 1440, {QStringLiteral("ГЛАВА"), QString::number(kChapterOpenings.indexOf(printed) + 1)});
  } else if (printed % 2 == 0) {
    lines << LayoutLine(1650, 1690, {FolioAsRead(page, printed), QStringLiteral("ГЛАВА"), QStringLiteral("3."),
                                     QStringLiteral("ЗАГОЛОВОК")});
  } else {
    TextLine head = LayoutLine(1650, 1690, {QStringLiteral("НАЗВАНИЕ"), QStringLiteral("КНИГИ")});
    head.words << Word{1080, 1650, 1140, 1690, FolioAsRead(page, printed)};
    head.right = 1140;
    lines << head;
  }
  return lines + Body(page);
}

TextLine RomanFoot(int page) {
  return LayoutLine(60, 100, {RomanNumeral(page)}, 600);
}

}  // namespace

int PageOfPrinted(int printed) {
  return printed + (printed >= kFirstAfterPlates ? kOffsetAfter : kOffsetBefore);
}

QList<int> ContentsNumbers() {
  QList<int> numbers;
  for (int printed = 1; printed <= kLastPrinted; printed += 7) numbers << printed;
  numbers << kLastPrinted + 5;
  return numbers;
}

void Build(const QString& path) {
  const QList<int> entries = ContentsNumbers();
  const int perPage = int(entries.size() + 1) / 2;
  QList<testdocs::Page> pages;
  for (int page = 1; page <= kPages; ++page) {
    QList<TextLine> lines;
    if (page == 1) {
      lines << LayoutLine(1200, 1240, {QStringLiteral("ЗАГЛАВИЕ"), QStringLiteral("КНИГИ")});
    } else if (page >= kContentsFirst && page <= kContentsLast) {
      const QList<int> mine = entries.mid((page - kContentsFirst) * perPage, perPage);
      for (int i = 0; i < mine.size(); ++i) {
        lines << LayoutLine(1500 - 60 * i, 1540 - 60 * i,
                            {QStringLiteral("Раздел"), QStringLiteral("книги"), QString::number(mine[i])});
      }
      lines << RomanFoot(page);
    } else if (page > 2 && page <= kFrontPages) {
      lines << Body(page) << RomanFoot(page);
    } else if (page >= kFirstPlate && page < kFirstPlate + kPlates) {
      lines << LayoutLine(800, 840, {QStringLiteral("Иллюстрация")});
    } else if (page > kFrontPages && page != kTextlessPage) {
      lines << BodyPage(page, page - (page < kFirstPlate ? kOffsetBefore : kOffsetAfter));
    }
    pages << testdocs::Page{lines.isEmpty() ? QByteArray() : testdocs::PageText(lines), {}};
  }
  testdocs::BuildDocument(path, pages);
}

}  // namespace folio_book
