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

// A link a run makes on a page: its area, the document page it leads to
// and the page number printed under it.
struct MadeLink {
  PageRect area;
  qint64 target = 0;
  Folio printed;
};
