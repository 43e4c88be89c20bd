#include "page/text_layer.h"

#include "core/errors.h"
#include "djvused/script_dialect.h"
#include "djvused/selection_line.h"

#include <QCoreApplication>
#include <optional>

namespace {

struct ZoneParser {
  QByteArrayView text;
  ZoneFilter keep = nullptr;
  qsizetype pos = 0;
  PageRect page;

  [[noreturn]] void Fail(const char* what) const {
    const QByteArrayView near = dialect::Mid(text, pos, 40);
    throw InputError(QCoreApplication::translate("TextLayer", "Скрытый текст не читается (%1, позиция %2: «%3»)")
                         .arg(QCoreApplication::translate("TextLayer", what), QString::number(pos),
                              QString::fromUtf8(near.data(), near.size())));
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
    if (pos == start) Fail(QT_TRANSLATE_NOOP("TextLayer", "нет поля"));
    return text.sliced(start, pos - start);
  }

  int Number() {
    const QByteArrayView atom = Atom();
    qsizetype i = atom.startsWith('-') ? 1 : 0;
    if (i == atom.size() || atom.size() - i > 9) Fail(QT_TRANSLATE_NOOP("TextLayer", "не число"));
    int value = 0;
    for (; i < atom.size(); ++i) {
      if (atom[i] < '0' || atom[i] > '9') Fail(QT_TRANSLATE_NOOP("TextLayer", "не число"));
      value = value * 10 + (atom[i] - '0');
    }
    return atom.startsWith('-') ? -value : value;
  }

  QString String() {
    const qsizetype start = pos + 1;
    SkipString();
    return QString::fromUtf8(dialect::Unescape(text.sliced(start, pos - 1 - start)));
  }

  // Moves past the quoted string that starts at `pos`.
  void SkipString() {
    const std::optional<qsizetype> end = dialect::StringEnd(text, pos);
    if (!end) Fail(QT_TRANSLATE_NOOP("TextLayer", "строка без конца"));
    pos = *end + 1;
  }

  // Moves past the closing parenthesis of the zone whose fields were read.
  void SkipRest() {
    int open = 1;
    while (pos < text.size()) {
      const char c = text[pos];
      if (c == '"') {
        SkipString();
        continue;
      } else if (c == '(') {
        ++open;
      } else if (c == ')' && --open == 0) {
        ++pos;
        return;
      }
      ++pos;
    }
    Fail(QT_TRANSLATE_NOOP("TextLayer", "зона без конца"));
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

  // Nothing for a zone the filter leaves out.
  std::optional<TextZone> Zone(int depth) {
    if (depth > 16) Fail(QT_TRANSLATE_NOOP("TextLayer", "слишком глубокая вложенность"));
    SkipBlanks();
    if (pos >= text.size() || text[pos] != '(') Fail(QT_TRANSLATE_NOOP("TextLayer", "нет зоны"));
    ++pos;
    TextZone zone;
    if (!KindOf(Atom(), &zone.kind)) Fail(QT_TRANSLATE_NOOP("TextLayer", "неизвестный тип зоны"));
    zone.box.left = Number();
    zone.box.bottom = Number();
    zone.box.right = Number();
    zone.box.top = Number();
    if (depth == 0) {
      page = zone.box;
    } else if (keep && !keep(zone.box, page)) {
      SkipRest();
      return std::nullopt;
    }
    for (;;) {
      SkipBlanks();
      if (pos >= text.size()) Fail(QT_TRANSLATE_NOOP("TextLayer", "зона без конца"));
      if (text[pos] == ')') {
        ++pos;
        return zone;
      }
      if (text[pos] == '"') {
        zone.text += String();
      } else if (std::optional<TextZone> child = Zone(depth + 1)) {
        zone.children.append(std::move(*child));
      }
    }
  }
};

}  // namespace

TextZone ParseTextLayer(QByteArrayView zones) { return ParseTextLayer(zones, nullptr); }

TextZone ParseTextLayer(QByteArrayView zones, ZoneFilter keep) {
  ZoneParser parser{zones, keep, 0, {}};
  TextZone page = *parser.Zone(0);
  parser.SkipBlanks();
  if (parser.pos != zones.size()) parser.Fail(QT_TRANSLATE_NOOP("TextLayer", "лишний текст после зоны"));
  return page;
}

namespace {

void KeepChildren(const TextZone& from, TextZone& to, const PageRect& page, ZoneFilter keep) {
  for (const TextZone& child : from.children) {
    if (!keep(child.box, page)) continue;
    TextZone kept{child.kind, child.box, child.text, {}};
    KeepChildren(child, kept, page, keep);
    to.children.append(std::move(kept));
  }
}

}  // namespace

TextZone KeptZones(const TextZone& page, ZoneFilter keep) {
  TextZone kept{page.kind, page.box, page.text, {}};
  KeepChildren(page, kept, page.box, keep);
  return kept;
}

QList<PageData> SplitTextDump(QByteArrayView dump, QByteArrayView blockCommand) {
  QList<PageData> pages;
  qsizetype start = 0;
  PageData* current = nullptr;
  qsizetype dataStart = -1;  // where the current page's zone text begins
  while (start < dump.size()) {
    qsizetype end = dump.indexOf('\n', start);
    if (end < 0) end = dump.size();
    QByteArrayView line = dump.sliced(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    const std::optional<dialect::Selection> selection =
        dataStart < 0 ? dialect::ReadSelection(line) : std::nullopt;
    if (selection) {
      pages.append(PageData{});
      current = &pages.last();
      current->number = selection->page;
    } else if (dataStart < 0 && current && line == blockCommand) {
      dataStart = end + 1;
    } else if (dataStart >= 0 && line == ".") {
      // The zone text as one piece; line ends (CR LF too) are blanks to the parser.
      QByteArray& block = blockCommand == dialect::kSetAnt ? current->annotations : current->text;
      block = dump.sliced(dataStart, start - dataStart).trimmed().toByteArray();
      dataStart = -1;
      current = nullptr;
    }
    start = end + 1;
  }
  return pages;
}
