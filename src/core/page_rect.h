#pragma once
// A rectangle on a page in the page's own units, origin at the bottom left,
// as djvused prints zones and areas: the one box type of every stage (a
// zone of the hidden text, a printed line or word, a link's area). Wide
// numbers, so sums of two coordinates from a foreign book never overflow.
// Made by its edges or by its size, never by a bare list of four numbers, so
// no caller can mistake one form for the other.
#include <QtGlobal>

struct PageRect {
  qint64 left = 0, bottom = 0, right = 0, top = 0;

  PageRect() {}  // provided, so four bare numbers never make one
  static PageRect Edges(qint64 left, qint64 bottom, qint64 right, qint64 top) {
    PageRect rect;
    rect.left = left;
    rect.bottom = bottom;
    rect.right = right;
    rect.top = top;
    return rect;
  }
  static PageRect Sized(qint64 left, qint64 bottom, qint64 width, qint64 height) {
    return Edges(left, bottom, left + width, bottom + height);
  }

  qint64 Width() const { return right - left; }
  qint64 Height() const { return top - bottom; }
  // The same size with the left edge at `x`.
  PageRect MovedTo(qint64 x) const { return Sized(x, bottom, Width(), Height()); }
  // The same left edge, `width` wide.
  PageRect WithWidth(qint64 width) const { return Sized(left, bottom, width, Height()); }
  bool operator==(const PageRect& o) const {
    return left == o.left && bottom == o.bottom && right == o.right && top == o.top;
  }
  bool operator!=(const PageRect& o) const { return !(*this == o); }
};
