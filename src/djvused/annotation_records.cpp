#include "djvused/annotation_records.h"

#include <algorithm>

#include "djvused/script_dialect.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

// Reads the annotation text as lists, atoms and strings, one record at a time.
struct RecordReader {
  QByteArrayView text;
  qsizetype pos = 0;

  void SkipBlanks() {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
  }
  // Past a string whose opening quote stands at pos; false when it never ends.
  bool SkipString(QByteArray* decoded) {
    const qsizetype open = pos;
    const std::optional<qsizetype> end = dialect::StringEnd(text, open);
    if (!end) {
      pos = text.size();
      return false;
    }
    if (decoded) *decoded = dialect::Unescape(text.sliced(open + 1, *end - open - 1));
    pos = *end + 1;
    return true;
  }
  QByteArrayView Atom() {
    const qsizetype start = pos;
    while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '(' && text[pos] != ')' && text[pos] != '"') ++pos;
    return text.sliced(start, pos - start);
  }
  // Past a list whose "(" stands at pos; false when it is not balanced.
  bool SkipList() {
    int depth = 0;
    while (pos < text.size()) {
      const char c = text[pos];
      if (c == '"') {
        if (!SkipString(nullptr)) return false;
        continue;
      }
      ++pos;
      if (c == '(') ++depth;
      if (c == ')' && --depth == 0) return true;
    }
    return false;
  }

  // The numbers of a shape list "(rect x y w h)" that starts at pos, as the box around it.
  std::optional<PageRect> ShapeBox(QByteArrayView shape, const QList<qint64>& numbers) {
    if (shape == "rect" || shape == "oval" || shape == "text") {
      if (numbers.size() < 4) return std::nullopt;
      return PageRect::Sized(numbers[0], numbers[1], numbers[2], numbers[3]);
    }
    if (shape == "poly" || shape == "line") {
      if (numbers.size() < 4 || numbers.size() % 2 != 0) return std::nullopt;
      qint64 minX = numbers[0], maxX = numbers[0], minY = numbers[1], maxY = numbers[1];
      for (qsizetype i = 0; i < numbers.size(); i += 2) {
        minX = std::min(minX, numbers[i]);
        maxX = std::max(maxX, numbers[i]);
        minY = std::min(minY, numbers[i + 1]);
        maxY = std::max(maxY, numbers[i + 1]);
      }
      return PageRect::Sized(minX, minY, maxX - minX, maxY - minY);
    }
    return std::nullopt;
  }

  // Reads the inside of a maparea record (after its keyword) up to its ")".
  bool MapareaBody(AnnotationRecord& record) {
    bool urlSeen = false;
    for (;;) {
      SkipBlanks();
      if (pos >= text.size()) return false;
      const char c = text[pos];
      if (c == ')') {
        ++pos;
        return true;
      }
      if (c == '"') {
        QByteArray string;
        if (!SkipString(&string)) return false;
        if (!urlSeen) record.url = string;
        urlSeen = true;
        continue;
      }
      if (c != '(') {
        Atom();  // a bare word such as a border option name
        continue;
      }
      // A list: "(url ...)" as the URL, or the shape.
      const qsizetype listStart = pos;
      ++pos;
      SkipBlanks();
      const QByteArrayView head = Atom();
      if (!urlSeen && head == "url") {
        SkipBlanks();
        if (pos < text.size() && text[pos] == '"' && !SkipString(&record.url)) return false;
        urlSeen = true;
      } else if (!record.box) {
        QList<qint64> numbers;
        for (;;) {
          SkipBlanks();
          if (pos >= text.size() || text[pos] == ')' || text[pos] == '(' || text[pos] == '"') break;
          bool ok = false;
          const qint64 value = Atom().toByteArray().toLongLong(&ok);
          if (!ok) break;
          numbers << value;
        }
        record.box = ShapeBox(head, numbers);
        if (record.box) record.shape = head.toByteArray();
      }
      pos = listStart;
      if (!SkipList()) return false;
    }
  }

  // The record that begins at pos (a "("); false when it never closes.
  bool Record(AnnotationRecord& record) {
    record.begin = pos;
    ++pos;
    SkipBlanks();
    const QByteArrayView keyword = Atom();
    if (keyword == "maparea") {
      record.maparea = true;
      if (!MapareaBody(record)) return false;
    } else {
      pos = record.begin;
      if (!SkipList()) return false;
    }
    record.end = pos;
    return true;
  }
};

// The record's lists, atoms and strings on one line, one blank between them.
QByteArray Rebuilt(QByteArrayView record) {
  RecordReader reader{record};
  QByteArray out;
  for (;;) {
    reader.SkipBlanks();
    if (reader.pos >= record.size()) return out;
    const char c = record[reader.pos];
    if (!out.isEmpty() && !out.endsWith('(') && c != ')') out += ' ';
    if (c == '(' || c == ')') {
      out += c;
      ++reader.pos;
    } else if (c == '"') {
      QByteArray string;
      reader.SkipString(&string);  // the record is balanced: every string ends
      out += dialect::Quote(string);
    } else {
      out += reader.Atom().toByteArray();
    }
  }
}

}  // namespace

QList<AnnotationRecord> ReadAnnotationPieces(QByteArrayView text) {
  QList<AnnotationRecord> pieces;
  RecordReader reader{text};
  for (;;) {
    reader.SkipBlanks();
    if (reader.pos >= text.size()) return pieces;
    AnnotationRecord record;
    const qsizetype start = reader.pos;
    if (text[start] == '(' && reader.Record(record)) {
      pieces.append(record);
      continue;
    }
    AnnotationRecord stretch;
    stretch.readable = false;
    stretch.begin = start;
    if (text[start] == '(') {
      stretch.end = text.size();  // everything after an open list belongs to it
    } else {
      const qsizetype lineEnd = text.indexOf('\n', start);
      stretch.end = lineEnd < 0 ? text.size() : lineEnd;
    }
    reader.pos = stretch.end;
    pieces.append(stretch);
  }
}

std::optional<QByteArray> AsSetAntData(QByteArrayView text) {
  if (!dialect::HoldsEndOfData(text)) return text.toByteArray();
  QByteArray data;
  qsizetype end = 0;
  for (const AnnotationRecord& piece : ReadAnnotationPieces(text)) {
    const QByteArrayView span = text.sliced(piece.begin, piece.end - piece.begin);
    if (!data.isEmpty()) data += dialect::LineBreak();
    data += piece.readable && dialect::HoldsEndOfData(span) ? Rebuilt(span) : span.toByteArray();
    end = piece.end;
  }
  data += text.sliced(end);  // the blanks after the last piece
  if (dialect::HoldsEndOfData(data)) return std::nullopt;
  return data;
}
