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
bool Inside(const PageRect& word, const PageRect& area) {
  const qint64 x = (qint64(word.left) + word.right) / 2, y = (qint64(word.bottom) + word.top) / 2;
  if (x >= area.left && x <= area.left + area.Width() && y >= area.bottom && y <= area.bottom + area.Height()) return true;
  const qint64 ax = area.left + area.Width() / 2, ay = area.bottom + area.Height() / 2;
  return ax >= word.left && ax <= word.right && ay >= word.bottom && ay <= word.top;
}

}  // namespace

QString TextUnder(const QList<PrintedLine>& lines, const PageRect& area) {
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
    for (MadeLink link : page.links) {
      link.page = data.number;
      link.text = TextUnder(lines, link.area);
      links.append(ListedLink{link, 0, targets.UrlOf(link.target), targets.Opens(link.target)});
    }
  }
  return links;
}

QList<qsizetype> BookmarkedLinks(const QList<ListedLink>& links, const QList<ContentsEntry>& bookmarks) {
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

void MarkLevels(QList<ListedLink>& links, const QList<ContentsEntry>& bookmarks) {
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
               .arg(PrintedText(l.printed))
               .arg(l.opened)
               .arg(l.area.left)
               .arg(l.area.bottom)
               .arg(l.area.Width())
               .arg(l.area.Height())
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
                             {"printed", PrintedText(l.printed)},
                             {"target", l.opened},
                             {"area", QJsonObject{{"x", double(l.area.left)},
                                                  {"y", double(l.area.bottom)},
                                                  {"w", double(l.area.Width())},
                                                  {"h", double(l.area.Height())}}},
                             {"text", l.text},
                             {"url", QString::fromUtf8(l.url)}};
    if (l.level > 0) object.insert(QStringLiteral("level"), l.level);
    array.append(object);
  }
  return QJsonDocument(QJsonObject{{"file", path}, {"links", array}}).toJson(QJsonDocument::Compact) + '\n';
}
