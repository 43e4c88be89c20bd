#pragma once
// What a create-list row asks for, typed: the pages, the offset (its sign in
// the number), halving, the work type, the look of the links, the Roman offset
// and the book's own page numbers. The create tab and the row dialog edit it,
// the command line builds it, the create run reads it; its texts are the
// list's columns (create/row_columns.h).
#include <QtGlobal>
#include <optional>

// The three described work types, then the two automatic ones that read the
// page as a reader sees it, then the whole book: its contents lists and index
// found and linked in one run.
enum class WorkType { Contents = 0, Index1 = 1, Index2 = 2, ContentsAuto = 3, IndexAuto = 4, Book = 5 };
constexpr int kWorkTypeCount = 6;

inline bool IsAutomatic(WorkType type) {
  return type == WorkType::ContentsAuto || type == WorkType::IndexAuto || type == WorkType::Book;
}
// The types that link contents entries: their links can make the outline
// (the whole book's from its main contents list) and be aligned.
inline bool LinksContents(WorkType type) {
  return type == WorkType::Contents || type == WorkType::ContentsAuto || type == WorkType::Book;
}

// A colour value of the platform, red in the lowest byte: 0x00BBGGRR.
using ColorValue = quint32;

// The look of a row's links, as the tab's style controls hold it.
struct LinkLook {
  int shape = 0;       // 0 rectangle, 1 oval
  int borderType = 1;  // 0 none, 1 xor, 2 plain border in borderColor, 3 to 6 shadows of borderWidth
  std::optional<ColorValue> borderColor;     // none: no colour given, white in a link
  std::optional<ColorValue> highlightColor;  // the same
  int borderWidth = 0;
  bool alwaysVisible = false;
  bool highlight = false;
};

// A last page that means "to the book's end" (the whole-book type on the
// command line without --pages).
constexpr int kToTheEnd = 2147483647;

struct CreateSettings {
  int firstPage = 1, lastPage = 1;
  int offset = 0;  // added to each printed number (after halving)
  bool halve = false;
  WorkType workType = WorkType::Contents;
  LinkLook look;
  std::optional<int> romanOffset;  // the document page of printed page i
  bool bookNumbers = false;        // targets through the book's printed page numbers, not the offset
};
