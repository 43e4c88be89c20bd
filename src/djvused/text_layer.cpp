#include "djvused/text_layer.h"

#include "core/errors.h"
#include "djvused/script_dialect.h"

namespace {

struct ZoneParser {
  QByteArrayView text;
  qsizetype pos = 0;

  [[noreturn]] void Fail(const char* what) const {
    const QByteArrayView near = dialect::Mid(text, pos, 40);
    throw InputError(QStringLiteral("Скрытый текст не читается (%1, позиция %2: «%3»)")
                         .arg(QLatin1String(what))
                         .arg(pos)
                         .arg(QString::fromUtf8(near.data(), near.size())));
  }

  void SkipBlanks() {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\n' || text[pos] == '\r' || text[pos] == '\t')) {
      ++pos;
    }
  }

  QByteArrayView Atom() {
    SkipBlanks();
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != ' ' && text[pos] != '(' && text[pos] != ')' && text[pos] != '"' &&
           text[pos] != '\n' && text[pos] != '\r' && text[pos] != '\t') {
      ++pos;
    }
    if (pos == start) Fail("нет поля");
    return text.sliced(start, pos - start);
  }

  int Number() {
    const QByteArrayView atom = Atom();
    bool ok = false;
    const int value = QByteArray(atom.data(), atom.size()).toInt(&ok);
    if (!ok) Fail("не число");
    return value;
  }

  QString String() {
    ++pos;  // the opening quote
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != '"') pos += text[pos] == '\\' ? 2 : 1;
    if (pos >= text.size()) Fail("строка без конца");
    const QByteArray bytes = dialect::Unescape(text.sliced(start, pos - start));
    ++pos;
    return QString::fromUtf8(bytes);
  }

  static bool KindOf(QByteArrayView name, ZoneKind* kind) {
    static const struct { const char* name; ZoneKind kind; } kKinds[] = {
        {"page", ZoneKind::Page}, {"column", ZoneKind::Column}, {"region", ZoneKind::Region},
        {"para", ZoneKind::Para}, {"line", ZoneKind::Line},     {"word", ZoneKind::Word},
        {"char", ZoneKind::Char}};
    for (const auto& k : kKinds) {
      if (name == QByteArrayView(k.name)) {
        *kind = k.kind;
        return true;
      }
    }
    return false;
  }

  TextZone Zone(int depth) {
    if (depth > 16) Fail("слишком глубокая вложенность");
    SkipBlanks();
    if (pos >= text.size() || text[pos] != '(') Fail("нет зоны");
    ++pos;
    TextZone zone;
    if (!KindOf(Atom(), &zone.kind)) Fail("неизвестный тип зоны");
    zone.box.left = Number();
    zone.box.bottom = Number();
    zone.box.right = Number();
    zone.box.top = Number();
    for (;;) {
      SkipBlanks();
      if (pos >= text.size()) Fail("зона без конца");
      if (text[pos] == ')') {
        ++pos;
        return zone;
      }
      if (text[pos] == '"') {
        zone.text += String();
      } else {
        zone.children.append(Zone(depth + 1));
      }
    }
  }
};

}  // namespace

TextZone ParseTextLayer(QByteArrayView zones) {
  ZoneParser parser{zones};
  TextZone page = parser.Zone(0);
  parser.SkipBlanks();
  if (parser.pos != zones.size()) parser.Fail("лишний текст после зоны");
  return page;
}

QList<DumpPage> SplitTextDump(QByteArrayView dump) {
  QList<DumpPage> pages;
  qsizetype start = 0;
  DumpPage* current = nullptr;
  bool inData = false;
  while (start < dump.size()) {
    qsizetype end = dump.indexOf('\n', start);
    if (end < 0) end = dump.size();
    QByteArrayView line = dump.sliced(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    if (!inData && line.startsWith("select \"") ) {
      pages.append(DumpPage{});
      current = &pages.last();
      const qsizetype mark = line.lastIndexOf("# page ");
      if (mark >= 0) current->number = QByteArray(dialect::Mid(line, mark + 7).trimmed().toByteArray()).toInt();
    } else if (current && line == "set-txt") {
      inData = true;
    } else if (inData && line == ".") {
      inData = false;
      current->zones = current->zones.trimmed();
      current = nullptr;
    } else if (inData) {
      current->zones += line.toByteArray();
      current->zones += '\n';
    }
    start = end + 1;
  }
  return pages;
}

void CollectLeaves(const TextZone& zone, QList<const TextZone*>& leaves) {
  if (zone.children.isEmpty()) {
    if (zone.kind != ZoneKind::Page || !zone.text.isEmpty()) leaves.append(&zone);
    return;
  }
  for (const TextZone& child : zone.children) CollectLeaves(child, leaves);
}
