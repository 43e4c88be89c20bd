#include "align/dump_line.h"

#include "djvused/script_dialect.h"

namespace align {

namespace {

constexpr QByteArrayView kSelect("select");
constexpr QByteArrayView kUnrecognized("Unrecognized");
constexpr QByteArrayView kShapes[] = {QByteArrayView("rect"), QByteArrayView("oval")};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

qsizetype SkipBlanks(QByteArrayView line, qsizetype i) {
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i;
}

// The end of the token that starts at i: up to a blank or a parenthesis.
qsizetype TokenEnd(QByteArrayView line, qsizetype i) {
  while (i < line.size() && !IsBlank(line[i]) && line[i] != '(' && line[i] != ')') ++i;
  return i;
}

// If an area's shape word follows the opening parenthesis at `open`, the
// position right after the word; otherwise -1.
qsizetype ShapeWordEnd(QByteArrayView line, qsizetype open) {
  const qsizetype word = SkipBlanks(line, open + 1);
  for (const QByteArrayView shape : kShapes) {
    const qsizetype end = word + shape.size();
    if (line.sliced(word).startsWith(shape) && (end == line.size() || IsBlank(line[end]))) return end;
  }
  return -1;
}

// Reads the four numbers x, y, w and h after the shape word; returns the
// position after h.
qsizetype ReadArea(QByteArrayView line, qsizetype i, DumpArea& area) {
  qsizetype begins[4];
  qsizetype ends[4];
  qint64 values[4];
  for (int field = 0; field < 4; ++field) {
    begins[field] = SkipBlanks(line, i);
    ends[field] = TokenEnd(line, begins[field]);
    // An empty or broken field (the numbers go on in the next line) fails here.
    values[field] = dialect::ParseInt32(line.sliced(begins[field], ends[field] - begins[field]));
    i = ends[field];
  }
  area.xBegin = begins[0];
  area.xEnd = ends[0];
  area.wBegin = begins[2];
  area.wEnd = ends[2];
  area.x = values[0];
  area.w = values[2];
  return i;
}

}  // namespace

DumpLine ScanDumpLine(QByteArrayView line) {
  DumpLine result;
  result.opensSection = line.startsWith(kSelect);
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '\\') ++i;  // the escaped byte never ends the string
      else if (c == '"') quoted = false;
      continue;
    }
    if (c == '"') {
      quoted = true;
    } else if (c == '(') {
      const qsizetype fields = ShapeWordEnd(line, i);
      if (fields < 0) continue;
      DumpArea area;
      i = ReadArea(line, fields, area) - 1;
      result.areas.push_back(area);
    } else if (c == 'U' && line.sliced(i).startsWith(kUnrecognized)) {
      result.unrecognized = true;
    }
  }
  return result;
}

QByteArray WithAreas(QByteArrayView line, const std::vector<DumpArea>& areas) {
  QByteArray out;
  out.reserve(line.size() + 16);
  qsizetype copied = 0;
  const auto replace = [&](qsizetype begin, qsizetype end, qint64 value) {
    out.append(line.sliced(copied, begin - copied));
    out.append(dialect::NumberText(value));
    copied = end;
  };
  for (const DumpArea& area : areas) {
    replace(area.xBegin, area.xEnd, area.x);
    replace(area.wBegin, area.wEnd, area.w);
  }
  out.append(line.sliced(copied));
  return out;
}

}  // namespace align
