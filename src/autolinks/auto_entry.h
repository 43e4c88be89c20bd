#pragma once
// What the automatic contents and index recognisers give for a page.
#include <QString>
#include <functional>
#include <optional>

#include "core/page_rect.h"

struct AutoEntry {
  int printed = 0;         // the page number as printed
  bool roman = false;      // printed as a Roman numeral
  int target = 0;          // the document page the link leads to
  PageRect area;           // contents: the entry's lines; index: the number's own characters
  QString text;            // contents: the title without leaders and number; index: the heading
  int firstLineLeft = 0;   // left edge of the entry's first line
  int lineHeight = 0;      // height of the entry's first line
  int column = 0;          // contents: the page column of the entry's lines (0 left, 1 right)
  bool lookAlike = false;  // letters read as digits (l5 as 15)
};

// The document page of a printed number, or nothing when it leads nowhere
// in the document (the caller's offset, halving, Roman offset or page map).
using TargetOf = std::function<std::optional<int>(int printed, bool roman)>;
