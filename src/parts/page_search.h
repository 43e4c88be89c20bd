#pragma once
// The order in which the whole-book type looks at pages it must read from
// their images (a book without hidden text), and when it stops. A book's
// contents and index stand near its front and its end: the search reads the
// range's first pages front to back, then its last pages back to front (an
// index read backwards ends at its heading). A window grows while the list
// in it goes on, and a side ends early once it has found a list and then a
// few pages of neither kind.
#include <optional>

#include "parts/page_look.h"

class PageSearch {
 public:
  // The pages looked at at most, before a window grows, on each side.
  static constexpr int kFrontPages = 20;
  static constexpr int kBackPages = 30;
  // Pages of neither kind after a list that end a side.
  static constexpr int kQuietPages = 2;

  // The search over the document pages first..last.
  PageSearch(int first, int last);

  // The next page to look at; nothing once the search is over. Each page is
  // given once.
  std::optional<int> Next();
  // How the page Next last gave looks.
  void Saw(const PageLook& look);

 private:
  enum class Side { Front, Back, Done };
  void EndFront();

  int last_;
  Side side_ = Side::Front;
  int page_ = 0;       // the page given last
  int frontEnd_ = 0;   // the front window's last page
  int backEnd_ = 0;    // the back window's first page (it is read downwards)
  int backFloor_ = 0;  // the first page the front did not read
  bool found_ = false;  // this side has found a list (the back: a list's first page)
  int quiet_ = 0;       // pages of neither kind since
};
