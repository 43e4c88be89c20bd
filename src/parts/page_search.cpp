#include "parts/page_search.h"

#include <algorithm>

PageSearch::PageSearch(int first, int last)
    : last_(last), page_(first - 1), frontEnd_(std::min(last, first + kFrontPages - 1)),
      backEnd_(std::max(first, last - kBackPages + 1)) {
  if (first > last) side_ = Side::Done;
}

void PageSearch::EndFront() {
  // The back window reads no page the front one read.
  backFloor_ = page_ + 1;
  backEnd_ = std::max(backEnd_, backFloor_);
  side_ = backEnd_ <= last_ ? Side::Back : Side::Done;
  page_ = last_ + 1;
  found_ = false;
  quiet_ = 0;
}

std::optional<int> PageSearch::Next() {
  if (side_ == Side::Front) {
    if (page_ < frontEnd_ && !(found_ && quiet_ >= kQuietPages)) return ++page_;
    EndFront();
  }
  if (side_ == Side::Back) {
    if (page_ > backEnd_ && !(found_ && quiet_ >= kQuietPages)) return --page_;
    side_ = Side::Done;
  }
  return std::nullopt;
}

void PageSearch::Saw(const PageLook& look) {
  if (side_ == Side::Done || look.page != page_) return;
  if (look.kind == PageKind::Other) {
    if (found_) ++quiet_;
    return;
  }
  quiet_ = 0;
  // A list may go on over a page the reading lost: the window grows by two.
  if (side_ == Side::Front) {
    found_ = true;
    frontEnd_ = std::min(last_, std::max(frontEnd_, page_ + 2));
  } else {
    found_ = found_ || look.heading != ListHeading::None;
    backEnd_ = std::max(backFloor_, std::min(backEnd_, page_ - 2));
  }
}
