#pragma once
// A 300-page book typeset like a real one, for the tests of printed page
// numbers: pages 1-6 front matter numbered i-vi in the foot (page 1 the title
// page, page 2 without text, pages 3-4 the contents), pages 7-120 printed
// 1-114 in the running heads (even numbers at the left, odd at the right),
// four unnumbered plates on pages 121-124, pages 125-300 printed 115-290.
// Chapter openings carry no folio, three folios are misread and page 150 has
// no text.
#include <QList>
#include <QString>

namespace folio_book {

constexpr int kPages = 300;
constexpr int kFrontPages = 6;
constexpr int kFirstPlate = 121;
constexpr int kPlates = 4;
constexpr int kContentsFirst = 3, kContentsLast = 4;
constexpr int kOffsetBefore = kFrontPages;                // printed 1 on page 7
constexpr int kOffsetAfter = kFrontPages + kPlates;       // after the plates
constexpr int kLastPrinted = kPages - kOffsetAfter;       // 290
constexpr int kFirstAfterPlates = kFirstPlate - kOffsetBefore;  // printed 115

// The document page that carries the printed arabic number, as typeset.
int PageOfPrinted(int printed);
// The printed numbers of the contents entries, in order; the last one lies
// beyond the book.
QList<int> ContentsNumbers();
// Writes the book (through testdocs::BuildDocument).
void Build(const QString& path);

}  // namespace folio_book
