#pragma once
// What one page looks like to a reader leafing through a book: a contents
// page (lines ending in page numbers that grow down the page, titles before
// them), an index page (terms followed by lists of page numbers, in one or
// more columns), or neither; and the heading it opens with, if any.
#include <QString>

#include "page/text_layer.h"

enum class PageKind { Other, Contents, Index };

// The list a page's heading names.
enum class ListHeading { None, Contents, Figures, Tables, Index };

struct PageLook {
  int page = 0;  // the document page
  PageKind kind = PageKind::Other;
  ListHeading heading = ListHeading::None;
  int entries = 0;      // contents entries, or index numbers
  int firstNumber = 0;  // contents: the first and last arabic entry numbers
  int lastNumber = 0;
};

// The heading a line of text names ("Предметный указатель", "List of
// Figures", "ОГЛАВЛЕНИЕ"); None for a line of more than five words or any
// other text.
ListHeading HeadingOfLine(const QString& text);

// How the page looks. `pageCount`: the book's page count (a contents or index
// number beyond the book by more than that is no page number). Throws nothing.
PageLook LookOfPage(const TextZone& page, int documentPage, int pageCount);

// The test the automatic types use to keep to pages of their own kind.
inline bool LooksLikeContentsPage(const TextZone& page, int documentPage, int pageCount) {
  return LookOfPage(page, documentPage, pageCount).kind == PageKind::Contents;
}
inline bool LooksLikeIndexPage(const TextZone& page, int documentPage, int pageCount) {
  return LookOfPage(page, documentPage, pageCount).kind == PageKind::Index;
}
