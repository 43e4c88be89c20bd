#include "targets/page_text.h"

#include <algorithm>

#include "targets/word_keys.h"

namespace targets {
namespace {

// The kinds of key a page word's start answers (see word_keys.h): a long
// word's first letters, or a short word whole.
constexpr size_t kLongKey = 0x4c4f4e47, kShortKey = 0x53484f52;

size_t StartHash(QStringView start, size_t kind) { return qHash(start, kind); }

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
  QString folded;
  for (const QStringList& line : lines) {
    for (qsizetype i = 0; i < line.size(); ++i) {
      QString text = line[i];
      if (i == 0 && !broken.isEmpty()) {
        FoldWordInto(broken, folded);
        Add(folded);  // either half may stand alone
        text = broken + text;
      }
      if (i == 0) broken.clear();
      if (i + 1 == line.size() && EndsInHyphen(text)) {
        broken = text.chopped(1);
        continue;
      }
      FoldWordInto(text, folded);
      Add(folded);
    }
  }
  if (!broken.isEmpty()) {
    FoldWordInto(broken, folded);
    Add(folded);
  }
  std::sort(starts_.begin(), starts_.end());
  starts_.erase(std::unique(starts_.begin(), starts_.end()), starts_.end());
  starts_.shrink_to_fit();
}

// Each start of the word that a key of the word can be.
void PageText::Add(const QString& folded) {
  const QStringView word(folded);
  for (qsizetype length = kShortestKey; length <= std::min(kLongestKey, word.size()); ++length) {
    if (length >= kShortestLongKey) starts_.push_back(StartHash(word.first(length), kLongKey));
    if (length <= kLongestShortKey && word.size() <= length + kShortKeyGrowth) {
      starts_.push_back(StartHash(word.first(length), kShortKey));
    }
  }
}

int PageText::Found(const QStringList& keys) const {
  int found = 0;
  for (const QString& key : keys) {
    const bool whole = key.endsWith(QChar(kWholeWord));
    const QStringView start = whole ? QStringView(key).chopped(1) : QStringView(key);
    if (start.size() < (whole ? kShortestKey : kShortestLongKey) ||
        start.size() > (whole ? kLongestShortKey : kLongestKey)) {
      continue;
    }
    found += std::binary_search(starts_.begin(), starts_.end(), StartHash(start, whole ? kShortKey : kLongKey)) ? 1 : 0;
  }
  return found;
}

bool HoldsEntry(int found, int keys, bool index) {
  const int spare = keys >= (index ? 3 : 4) ? 1 : 0;
  return found >= keys - spare;
}

}  // namespace targets
