#pragma once
// Reads djvused's annotation dump as tokens, one line at a time. The areas
// the fix job aligns are those of internal links: the rect or oval area of a
// top-level maparea record whose target (its first string) begins with "#".
// Links to web pages or mail addresses, links without a target and areas of
// other shapes are never handed out, so they are written back as they stand.
// djvused prints a record as it was stored, line breaks included, so the
// scanner carries its reading state (parenthesis depth, where it stands in a
// maparea) from one line to the next; a line that begins with "select" opens a
// section and starts afresh. Parentheses and words inside double-quoted
// strings count for nothing (djvused writes a line break inside a string as
// \n, so a string never runs past its line): a page named correct.djvu or a
// comment that mentions select or (rect 1 2 3 4) changes nothing.
#include <QByteArray>
#include <QByteArrayView>
#include <vector>

#include "core/page_rect.h"

namespace align {

// One rect or oval area of a line: where its x and w fields stand, and the
// area they give. A writer moves the area's left edge and changes its width
// and rebuilds the line with WithAreas; its bottom and height are read only,
// to tell which text lines the area covers.
struct DumpArea {
  qsizetype xBegin = 0, xEnd = 0;
  qsizetype wBegin = 0, wEnd = 0;
  PageRect box;
};

struct DumpLine {
  bool opensSection = false;  // the line begins with "select"
  bool unrecognized = false;  // "Unrecognized" outside quoted strings
  std::vector<DumpArea> areas;
};

// The line opens a section of the dump (a page, or the document-level line).
bool OpensSection(QByteArrayView line);

class DumpScanner {
 public:
  // The next line of the dump, with the areas of the internal links whose
  // shape word stands on it. Throws ConversionError when such an area's four
  // numbers are not all whole numbers on the shape word's line.
  DumpLine Scan(QByteArrayView line);

 private:
  // Where the scanner stands in a record.
  enum class Step {
    Outside,         // between records, or in a record that is no maparea
    RecordWord,      // a top-level record has opened: its first word follows
    Target,          // in a maparea: its target follows
    TargetList,      // in the target's (url ...) list: its first string is the target
    TargetListRead,  // the target is read; its list has yet to close
    Area,            // the next list of the maparea is its area
    AreaWord,        // the area has opened: its shape word follows
    Rest,            // the area is read; the rest of the record is carried over
  };

  void OnOpen();
  void OnClose();
  void OnString(QByteArrayView text);
  // Returns where scanning goes on: after the area's numbers when the word
  // is the shape word of an internal link's rect or oval.
  qsizetype OnWord(QByteArrayView line, qsizetype begin, qsizetype end, DumpLine& result);

  int depth_ = 0;
  Step step_ = Step::Outside;
  bool internal_ = false;  // the current maparea's target begins with "#"
};

// The line with the x and w fields of its areas replaced by the areas' values;
// every other byte stays as it was.
QByteArray WithAreas(QByteArrayView line, const std::vector<DumpArea>& areas);

}  // namespace align
