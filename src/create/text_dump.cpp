#include "create/text_dump.h"

#include "core/errors.h"
#include "djvused/script_dialect.h"


TextDumpLines TextDumpLines::FromText(const QByteArray& text) {
  TextDumpLines dump;
  dump.data_ = text;
  const QByteArray& data = dump.data_;
  qsizetype start = data.indexOf('\n');  // the first line carries no page data
  if (start < 0) return dump;
  ++start;
  while (start < data.size()) {
    qsizetype end = data.indexOf('\n', start);
    const qsizetype next = end < 0 ? data.size() : end + 1;
    if (end < 0) end = data.size();
    qsizetype length = end - start;
    if (length > 0 && data[start + length - 1] == '\r') --length;
    dump.lines_.append({start, length});
    start = next;
  }
  return dump;
}

TextDumpLines TextDumpLines::Read(const QString& path) { return FromText(dialect::ReadWholeFile(path)); }

QByteArrayView TextDumpLines::at(qsizetype i) const {
  const auto& [offset, length] = lines_.at(i);
  return QByteArrayView(data_.constData() + offset, length);
}

QByteArray ApplyTabRule(QByteArrayView line, quint8* lineWordCount) {
  QByteArray text = line.toByteArray();
  qsizetype tab;
  while ((tab = text.indexOf("\\t")) >= 0) {
    if (text.left(tab).contains('\\')) ++*lineWordCount;
    // Keep the text up to the word's opening quote and what follows the tab.
    // When the quote does not stand before the tab, only the tab goes, so the
    // line always gets shorter.
    const qsizetype quote = text.indexOf('"');
    const qsizetype keep = (quote >= 0 && quote < tab) ? quote + 1 : tab;
    text = text.left(keep) + text.mid(tab + 2);
  }
  return text;
}

namespace {

PageRect ReadRecord(QByteArrayView line, QByteArrayView keyword, bool topIsRest) {
  QByteArrayView rest = dialect::Mid(line, line.indexOf(keyword) + keyword.size() + 1);
  int fields[4];
  for (int i = 0; i < 4; ++i) {
    const qsizetype blank = rest.indexOf(' ');
    QByteArrayView field = (blank < 0 || (i == 3 && topIsRest)) ? rest : rest.first(blank);
    fields[i] = dialect::ParseInt32(field);
    rest = blank < 0 ? QByteArrayView() : rest.sliced(blank + 1);
  }
  return PageRect::Edges(fields[0], fields[1], fields[2], fields[3]);
}

}  // namespace

PageRect ReadLineRecord(QByteArrayView line) { return ReadRecord(line, "line", true); }
PageRect ReadWordRecord(QByteArrayView line) { return ReadRecord(line, "word", false); }

QByteArray WordText(QByteArrayView line) {
  const qsizetype open = line.indexOf('"');
  if (open < 0) return {};
  const qsizetype close = line.indexOf('"', open + 1);
  return (close < 0 ? line.sliced(open + 1) : line.sliced(open + 1, close - open - 1)).toByteArray();
}

bool IsLineRecord(QByteArrayView line) { return line.contains("line") && !line.contains('"'); }
bool IsWordRecord(QByteArrayView line) { return line.contains("word"); }
