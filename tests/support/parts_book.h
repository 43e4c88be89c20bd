#pragma once
// Books laid out like real ones for the tests of finding a book's parts:
// body pages with a folio in the foot, contents lists, lists of figures and
// an index, in any order, written by testdocs::BuildDocument.
#include <QString>

namespace parts_book {

// Body pages carry printed number page - kOffset.
constexpr int kOffset = 4;
// Contents entries per page; a list's numbers grow by kStep from 1.
constexpr int kEntriesPerPage = 12;
constexpr int kStep = 2;

// Writes a book from its layout: runs of pages, each a letter and a count
// ("t1 c2 b50 i3"):
//   t  a title page (no folio)      b  body pages of prose
//   c  a contents list under "Содержание", its numbers growing over its pages
//   s  a short contents page (five chapters) under "Краткое содержание"
//   f  a list of figures under "Список иллюстраций"
//   i  index pages, two columns of terms and numbers, the first page under
//      `indexHeading`
// Throws std::runtime_error for a layout it cannot read or a tool's failure.
void Build(const QString& path, const QString& layout, const QString& indexHeading = QStringLiteral("Указатель"));

}  // namespace parts_book
