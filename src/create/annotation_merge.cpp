#include "create/annotation_merge.h"

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
    const qsizetype open = pos++;
    while (pos < text.size() && text[pos] != '"') pos += text[pos] == '\\' ? 2 : 1;
    if (pos >= text.size()) return false;
    if (decoded) *decoded = dialect::Unescape(text.sliced(open + 1, pos - open - 1));
    ++pos;
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
  std::optional<LinkArea> ShapeBox(QByteArrayView shape, const QList<qint64>& numbers) {
    if (shape == "rect" || shape == "oval" || shape == "text") {
      if (numbers.size() < 4) return std::nullopt;
      return LinkArea{numbers[0], numbers[1], numbers[2], numbers[3]};
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
      return LinkArea{minX, minY, maxX - minX, maxY - minY};
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
};

}  // namespace

std::optional<QList<AnnotationRecord>> ReadAnnotationRecords(QByteArrayView text) {
  QList<AnnotationRecord> records;
  RecordReader reader{text};
  for (;;) {
    reader.SkipBlanks();
    if (reader.pos >= text.size()) return records;
    if (text[reader.pos] != '(') return std::nullopt;
    AnnotationRecord record;
    record.begin = reader.pos;
    ++reader.pos;
    reader.SkipBlanks();
    const QByteArrayView keyword = reader.Atom();
    if (keyword == "maparea") {
      record.maparea = true;
      if (!reader.MapareaBody(record)) return std::nullopt;
    } else {
      reader.pos = record.begin;
      if (!reader.SkipList()) return std::nullopt;
    }
    record.end = reader.pos;
    records.append(record);
  }
}

bool Overlaps(const LinkArea& a, const LinkArea& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.bottom < b.bottom + b.height &&
         b.bottom < a.bottom + a.height;
}

QByteArray MergeAnnotations(QByteArrayView oldText, const QList<LinkArea>& newAreas, QByteArrayView newLinks) {
  QByteArray kept;
  const std::optional<QList<AnnotationRecord>> records = ReadAnnotationRecords(oldText);
  if (!records) {
    kept = oldText.toByteArray();
  } else {
    qsizetype copied = 0;
    for (const AnnotationRecord& record : *records) {
      const bool replaced = record.maparea && record.url.startsWith('#') && record.box &&
                            std::any_of(newAreas.begin(), newAreas.end(),
                                        [&](const LinkArea& area) { return Overlaps(area, *record.box); });
      if (!replaced) continue;
      kept += oldText.sliced(copied, record.begin - copied);
      copied = record.end;
    }
    kept += oldText.sliced(copied);
  }
  // Blanks left where records were taken out, and at either end, go.
  while (!kept.isEmpty() && IsBlank(kept.back())) kept.chop(1);
  qsizetype lead = 0;
  while (lead < kept.size() && IsBlank(kept[lead])) ++lead;
  kept.remove(0, lead);
  if (kept.isEmpty()) return newLinks.toByteArray();
  return kept + dialect::LineBreak() + newLinks.toByteArray();
}
