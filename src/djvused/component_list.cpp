#include "djvused/component_list.h"

#include "djvused/script_dialect.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips the blanks at `i`, then reads a run of digits; false when there is none.
bool SkipNumber(QByteArrayView line, qsizetype& i, qint64* value = nullptr) {
  while (i < line.size() && line[i] == ' ') ++i;
  const qsizetype start = i;
  qint64 v = 0;
  while (i < line.size() && IsDigit(line[i])) {
    if (v < (qint64(1) << 40)) v = v * 10 + (line[i] - '0');  // listed sizes have 8 digits at most
    ++i;
  }
  if (value) *value = v;
  return i > start;
}

}  // namespace

std::optional<ComponentLine> ReadComponentLine(QByteArrayView line) {
  ComponentLine component;
  qsizetype i = 0;
  const bool numbered = SkipNumber(line, i);
  if (numbered) {
    if (dialect::Mid(line, i, 3) != " P ") return std::nullopt;
    component.type = 'P';
    i += 3;
  } else {
    if (i >= line.size() || (line[i] != 'I' && line[i] != 'A') || dialect::Mid(line, i + 1, 1) != " ") {
      return std::nullopt;
    }
    component.type = line[i];
    i += 2;
  }
  if (!SkipNumber(line, i, &component.size)) return std::nullopt;
  if (dialect::Mid(line, i).startsWith("  ")) i += 2;
  QByteArrayView rest = dialect::Mid(line, i);
  const qsizetype file = rest.indexOf(" F=");
  if (file >= 0) component.fileName = rest.sliced(file + 3).toByteArray();
  const qsizetype title = rest.indexOf(" T=");
  if (title >= 0) {
    QByteArrayView text = rest.sliced(title + 3);
    if (const qsizetype end = text.indexOf(" F="); end >= 0) text = text.first(end);
    component.title = text.toByteArray();
  }
  for (const char* suffix : {" T=", " F="}) {
    const qsizetype cut = rest.indexOf(QByteArrayView(suffix));
    if (cut >= 0) rest = rest.first(cut);
  }
  if (rest.isEmpty()) return std::nullopt;
  component.name = rest.toByteArray();
  if (component.fileName.isEmpty()) component.fileName = component.name;
  return component;
}

QList<ComponentLine> ReadComponentList(QByteArrayView text) {
  QList<ComponentLine> list;
  for (const QByteArrayView line : dialect::SplitLines(text)) {
    if (const auto component = ReadComponentLine(line)) list << *component;
  }
  return list;
}
