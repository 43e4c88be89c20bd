#pragma once
// The alignment's page table: what the fix job measures of one page's link
// areas, and the column rule that decides where each area goes.
#include <QtGlobal>
#include <algorithm>
#include <limits>
#include <vector>

#include "core/page_rect.h"

namespace align {

// One record per page slot of the annotation dump. The values are kept wide
// so that sums of two coordinates never overflow; "no area seen yet" starts
// from the largest and smallest 32-bit values, so any coordinate is measured.
struct PageGeometry {
  qint64 MinLeft = std::numeric_limits<int>::max();
  qint64 MaxLeft = std::numeric_limits<int>::min();
  qint64 MinWidth = std::numeric_limits<int>::max();
  qint64 MaxWidth = std::numeric_limits<int>::min();
  qint64 SecondLeft = 0;   // common left edge of the second column
  qint64 FirstWidth = 0;   // widest area placed at MinLeft
  qint64 SecondWidth = 0;  // widest area placed at SecondLeft

  // Takes in an area's left edge and width.
  void Measure(const PageRect& area) {
    MinLeft = std::min(MinLeft, area.left);
    MaxLeft = std::max(MaxLeft, area.left);
    MinWidth = std::min(MinWidth, area.Width());
    MaxWidth = std::max(MaxWidth, area.Width());
  }

  bool HasAreas() const { return MinLeft <= MaxLeft; }
  // Some area starts to the right of where the narrowest one would end if it
  // started at the leftmost edge.
  bool TwoColumns() const { return MaxLeft > MinLeft + MinWidth; }
  // An area (by its measured left edge) that belongs to the second column.
  bool InSecondColumn(qint64 x) const { return x > MinLeft + MinWidth && x <= MaxLeft; }
};

using PageTable = std::vector<PageGeometry>;

}  // namespace align
