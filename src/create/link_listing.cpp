#include "create/link_listing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "page/printed_lines.h"
#include "page/text_layer.h"

namespace {

// A word under the area: its middle inside the area, or the area's middle
// inside the word (an index number that is part of a word).
bool Inside(const ZoneBox& word, const LinkArea& area) {
  const qint64 x = (qint64(word.left) + word.right) / 2, y = (qint64(word.bottom) + word.top) / 2;
  if (x >= area.left && x <= area.left + area.width && y >= area.bottom && y <= area.bottom + area.height) return true;
  const qint64 ax = area.left + area.width / 2, ay = area.bottom + area.height / 2;
  return ax >= word.left && ax <= word.right && ay >= word.bottom && ay <= word.top;
}

}  // namespace

QString TextUnder(const QList<PrintedLine>& lines, const LinkArea& area) {
  QStringList texts;
  for (const PrintedLine& line : lines) {
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < line.words.size(); ++i) {
      if (!Inside(line.words[i].box, area)) continue;
      if (first < 0) first = i;
      last = i;
    }
    if (first < 0) continue;
    const int gap = 2 * line.box.Height();
    while (first > 0 && line.words[first].box.left - line.words[first - 1].box.right <= gap) --first;
    for (qsizetype i = first; i <= last; ++i) texts << line.words[i].text;
  }
  return texts.join(QLatin1Char(' '));
}

namespace {

// The text with every control character (ESC, NUL, line breaks, ...) as a
// visible escape such as \x1b, so what the OCR holds never drives a terminal
// or breaks a line of the list.
QString Visible(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar ch : text) {
    if (ch.category() == QChar::Other_Control) {
      out += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace

QList<ListedLink> ListLinks(const QList<PageLinks>& pages, const QList<const PageData*>& textPages,
                            const PageTargets& targets) {
  QList<ListedLink> links;
  for (const PageLinks& page : pages) {
    const PageData& data = *textPages.at(page.ordinal - 1);
    const QList<PrintedLine> lines = PrintedLines(ParseTextLayer(data.text));
    for (qsizetype i = 0; i < page.areas.size(); ++i) {
      const Folio printed = page.printed.value(i);
      const qint64 target = page.targets.value(i);
      links.append(ListedLink{data.number, printed.roman ? RomanNumeral(printed.number) : QString::number(printed.number),
                              target, page.areas[i], TextUnder(lines, page.areas[i]), 0, targets.UrlOf(target),
                              targets.Opens(target)});
    }
  }
  return links;
}

QList<qsizetype> BookmarkedLinks(const QList<ListedLink>& links, const QList<OutlineEntry>& bookmarks) {
  QList<qsizetype> found(bookmarks.size(), -1);
  qsizetype next = 0;
  for (qsizetype l = 0; l < links.size(); ++l) {
    for (qsizetype i = next; i < bookmarks.size(); ++i) {
      if (bookmarks[i].page == links[l].page && bookmarks[i].target == links[l].target) {
        found[i] = l;
        next = i + 1;
        break;
      }
    }
  }
  return found;
}

void MarkLevels(QList<ListedLink>& links, const QList<OutlineEntry>& bookmarks) {
  const QList<qsizetype> found = BookmarkedLinks(links, bookmarks);
  for (qsizetype i = 0; i < bookmarks.size(); ++i) {
    if (found[i] >= 0) links[found[i]].level = bookmarks[i].level;
  }
}

QByteArray LinksAsTsv(const QList<ListedLink>& links) {
  QByteArray out;
  for (const ListedLink& l : links) {
    QString text = l.text;
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text = Visible(text);
    QString line = QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8")
               .arg(l.page)
               .arg(l.printed)
               .arg(l.opened)
               .arg(l.area.left)
               .arg(l.area.bottom)
               .arg(l.area.width)
               .arg(l.area.height)
               .arg(text);
    if (l.level > 0) line += QStringLiteral("\t%1").arg(l.level);
    line += QLatin1Char('\t') + Visible(QString::fromUtf8(l.url));  // an id may hold any byte
    out += line.toUtf8() + '\n';
  }
  return out;
}

QByteArray LinksAsJson(const QString& path, const QList<ListedLink>& links) {
  QJsonArray array;
  for (const ListedLink& l : links) {
    QJsonObject object{{"page", l.page},
                             {"printed", l.printed},
                             {"target", l.opened},
                             {"area", QJsonObject{{"x", double(l.area.left)},
                                                  {"y", double(l.area.bottom)},
                                                  {"w", double(l.area.width)},
                                                  {"h", double(l.area.height)}}},
                             {"text", l.text},
                             {"url", QString::fromUtf8(l.url)}};
    if (l.level > 0) object.insert(QStringLiteral("level"), l.level);
    array.append(object);
  }
  return QJsonDocument(QJsonObject{{"file", path}, {"links", array}}).toJson(QJsonDocument::Compact) + '\n';
}
