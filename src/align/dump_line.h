#pragma once
// Reads one line of djvused's annotation dump as tokens. Only "(rect " and
// "(oval " that stand outside double-quoted strings are link areas, and only
// a line that begins with "select" opens a section, so a page named
// correct.djvu or a comment that mentions select or rect changes nothing.
#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace align {

// One rect or oval area of a line: where its x and w fields stand, and their
// values. A writer changes the values and rebuilds the line with WithAreas.
struct DumpArea {
  qsizetype xBegin = 0, xEnd = 0;
  qsizetype wBegin = 0, wEnd = 0;
  qint64 x = 0;
  qint64 w = 0;
};

struct DumpLine {
  bool opensSection = false;  // the line begins with "select"
  bool unrecognized = false;  // "Unrecognized" outside quoted strings
  std::vector<DumpArea> areas;
};

// Throws ConversionError when an area's four numbers are not all whole
// numbers on this line.
DumpLine ScanDumpLine(QByteArrayView line);

// The line with the x and w fields of its areas replaced by the areas' values;
// every other byte stays as it was.
QByteArray WithAreas(QByteArrayView line, const std::vector<DumpArea>& areas);

}  // namespace align
