#include "align/dump_line.h"

#include <algorithm>
#include <iterator>

#include "djvused/script_dialect.h"

namespace align {

namespace {

constexpr QByteArrayView kSelect("select");
constexpr QByteArrayView kUnrecognized("Unrecognized");
constexpr QByteArrayView kMaparea("maparea");
constexpr QByteArrayView kShapes[] = {QByteArrayView("rect"), QByteArrayView("oval")};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

qsizetype SkipBlanks(QByteArrayView line, qsizetype i) {
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i;
}

// The end of the field that starts at i: up to a blank or a parenthesis.
qsizetype TokenEnd(QByteArrayView line, qsizetype i) {
  while (i < line.size() && !IsBlank(line[i]) && line[i] != '(' && line[i] != ')') ++i;
  return i;
}

// The end of the word that starts at i: a double quote ends it as well.
qsizetype WordEnd(QByteArrayView line, qsizetype i) {
  while (i < line.size() && !IsBlank(line[i]) && line[i] != '(' && line[i] != ')' && line[i] != '"') ++i;
  return i;
}

// The position of the closing double quote of the string whose opening quote
// stands at `open`, or the line's size when the string is not closed on it.
qsizetype StringEnd(QByteArrayView line, qsizetype open) {
  return dialect::StringEnd(line, open).value_or(line.size());
}

bool IsShape(QByteArrayView word) {
  return std::any_of(std::begin(kShapes), std::end(kShapes), [&](QByteArrayView shape) { return word == shape; });
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
  area.box = PageRect::Sized(values[0], values[1], values[2], values[3]);
  return i;
}

}  // namespace

bool OpensSection(QByteArrayView line) { return line.startsWith(kSelect); }

DumpLine DumpScanner::Scan(QByteArrayView line) {
  DumpLine result;
  result.opensSection = OpensSection(line);
  if (result.opensSection) *this = DumpScanner();
  for (qsizetype i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (IsBlank(c)) continue;
    if (c == '"') {
      const qsizetype end = StringEnd(line, i);
      OnString(line.sliced(i + 1, end - i - 1));
      i = end;
    } else if (c == '(') {
      OnOpen();
    } else if (c == ')') {
      OnClose();
    } else {
      const qsizetype end = WordEnd(line, i);
      if (line.sliced(i, end - i).contains(kUnrecognized)) result.unrecognized = true;
      i = OnWord(line, i, end, result) - 1;
    }
  }
  return result;
}

void DumpScanner::OnOpen() {
  ++depth_;
  if (depth_ == 1) {
    step_ = Step::RecordWord;
  } else if (step_ == Step::RecordWord) {
    step_ = Step::Outside;  // a record that begins with a list is no maparea
  } else if (depth_ == 2 && step_ == Step::Target) {
    step_ = Step::TargetList;
  } else if (depth_ == 2 && step_ == Step::Area) {
    step_ = Step::AreaWord;
  } else if (step_ == Step::AreaWord) {
    step_ = Step::Rest;  // an area that begins with a list has no shape word
  }
}

void DumpScanner::OnClose() {
  if (depth_ == 0) return;  // a stray parenthesis closes nothing
  --depth_;
  if (depth_ == 0) {
    step_ = Step::Outside;
  } else if (depth_ == 1 && (step_ == Step::TargetList || step_ == Step::TargetListRead)) {
    step_ = Step::Area;
  } else if (depth_ == 1 && step_ == Step::AreaWord) {
    step_ = Step::Rest;  // an empty area
  }
}

void DumpScanner::OnString(QByteArrayView text) {
  switch (step_) {
    case Step::RecordWord:
      step_ = Step::Outside;
      break;
    case Step::Target:
    case Step::TargetList:
      internal_ = text.startsWith('#');
      step_ = step_ == Step::Target ? Step::Area : Step::TargetListRead;
      break;
    case Step::AreaWord:
      step_ = Step::Rest;
      break;
    default:
      break;
  }
}

qsizetype DumpScanner::OnWord(QByteArrayView line, qsizetype begin, qsizetype end, DumpLine& result) {
  const QByteArrayView word = line.sliced(begin, end - begin);
  switch (step_) {
    case Step::RecordWord:
      step_ = word == kMaparea ? Step::Target : Step::Outside;
      internal_ = false;
      break;
    case Step::Target:
      step_ = Step::Area;  // a target that is no string is no internal link
      break;
    case Step::AreaWord:
      step_ = Step::Rest;
      if (internal_ && IsShape(word)) {
        DumpArea area;
        end = ReadArea(line, end, area);
        result.areas.push_back(area);
      }
      break;
    default:
      break;
  }
  return end;
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
    replace(area.xBegin, area.xEnd, area.box.left);
    replace(area.wBegin, area.wEnd, area.box.Width());
  }
  out.append(line.sliced(copied));
  return out;
}

}  // namespace align
