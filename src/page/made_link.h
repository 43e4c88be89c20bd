#pragma once
// The values a run makes of a page: a printed page number and a link.
#include <QString>

#include "core/page_rect.h"

// A page number as printed: arabic, or a Roman numeral.
struct Folio {
  int number = 0;
  bool roman = false;
  bool operator==(const Folio& other) const { return number == other.number && roman == other.roman; }
};

// The number as it is printed: "17", or "xvii".
QString PrintedText(const Folio& folio);

// A link a run makes on a page: its area, the document page it leads to,
// the page number printed under it, and, once the links are listed, the
// page it stands on and the words under its area as a reader sees them.
struct MadeLink {
  PageRect area;
  qint64 target = 0;
  Folio printed;
  int page = 0;  // 0 while only the page's place among the pages with hidden text is known
  QString text;
};
