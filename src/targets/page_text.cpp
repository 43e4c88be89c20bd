#include "targets/page_text.h"

#include <algorithm>

#include "page/printed_lines.h"
#include "targets/word_keys.h"

namespace targets {
namespace {

bool EndsInHyphen(const QString& text) {
  return text.size() > 1 && (text.endsWith(QLatin1Char('-')) || text.endsWith(QChar(0x00AD)) ||
                             text.endsWith(QChar(0x2010)));
}

}  // namespace

PageText::PageText(const TextZone& page) {
  QString broken;  // the first part of a word broken at the end of the line before
  for (const PrintedLine& line : PrintedLines(page)) {
    for (qsizetype i = 0; i < line.words.size(); ++i) {
      QString text = line.words[i].text;
      if (i == 0 && !broken.isEmpty()) {
        words_ << FoldWord(broken);  // either half may stand alone
        text = broken + text;
      }
      if (i == 0) broken.clear();
      if (i + 1 == line.words.size() && EndsInHyphen(text)) {
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
