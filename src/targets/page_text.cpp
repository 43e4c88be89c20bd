#include "targets/page_text.h"

#include <algorithm>

#include "targets/word_keys.h"

namespace targets {
namespace {

bool EndsInHyphen(const QString& text) {
  return text.size() > 1 && (text.endsWith(QLatin1Char('-')) || text.endsWith(QChar(0x00AD)) ||
                             text.endsWith(QChar(0x2010)));
}

// The blank-separated words of a zone's text, or of its characters' texts
// joined.
void AddWords(const TextZone& zone, QStringList& words) {
  if (zone.children.isEmpty() && !zone.text.contains(QLatin1Char(' '))) {
    if (!zone.text.isEmpty()) words << zone.text;  // a word zone: most of a book's words
    return;
  }
  QString text = zone.text;
  for (const TextZone& c : zone.children) text += c.text;
  words << text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The words of one line zone (or of a leaf zone above the lines).
void LineWords(const TextZone& zone, QStringList& words) {
  if (zone.children.isEmpty() || zone.kind == ZoneKind::Word || zone.children.first().kind == ZoneKind::Char) {
    AddWords(zone, words);
    return;
  }
  for (const TextZone& child : zone.children) LineWords(child, words);
}

// The page's lines in the zone tree's order, which is its reading order: the
// words are only looked up, so the lines need not be regrouped as a reader
// sees them (which costs more than the lookup on a whole book).
void CollectLines(const TextZone& zone, QList<QStringList>& lines) {
  if (zone.kind >= ZoneKind::Line || zone.children.isEmpty()) {
    QStringList words;
    LineWords(zone, words);
    if (!words.isEmpty()) lines << words;
    return;
  }
  for (const TextZone& child : zone.children) CollectLines(child, lines);
}

}  // namespace

PageText::PageText(const TextZone& page) {
  QList<QStringList> lines;
  CollectLines(page, lines);
  QString broken;  // the first part of a word broken at the end of the line before
  for (const QStringList& line : lines) {
    for (qsizetype i = 0; i < line.size(); ++i) {
      QString text = line[i];
      if (i == 0 && !broken.isEmpty()) {
        words_ << FoldWord(broken);  // either half may stand alone
        text = broken + text;
      }
      if (i == 0) broken.clear();
      if (i + 1 == line.size() && EndsInHyphen(text)) {
        broken = text.chopped(1);
        continue;
      }
      words_ << FoldWord(text);
    }
  }
  if (!broken.isEmpty()) words_ << FoldWord(broken);
  words_.removeAll(QString());
  std::sort(words_.begin(), words_.end());
  words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
}

int PageText::Found(const QStringList& keys) const {
  int found = 0;
  for (const QString& key : keys) {
    const QString start = key.endsWith(QLatin1Char('$')) ? key.chopped(1) : key;
    for (auto w = std::lower_bound(words_.begin(), words_.end(), start); w != words_.end() && w->startsWith(start);
         ++w) {
      if (WordMatches(key, *w)) {
        ++found;
        break;
      }
    }
  }
  return found;
}

bool HoldsEntry(int found, int keys, bool index) {
  const int spare = keys >= (index ? 3 : 4) ? 1 : 0;
  return found >= keys - spare;
}

}  // namespace targets
