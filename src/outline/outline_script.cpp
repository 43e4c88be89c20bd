#include "outline/outline_script.h"

#include <algorithm>

#include "djvused/script_dialect.h"

QByteArray OutlineData(const QList<ContentsEntry>& entries, const PageTargets& targets) {
  const QByteArray br = dialect::LineBreak();
  QByteArray data = "(bookmarks";
  int open = 0;  // bookmarks not yet closed
  for (const ContentsEntry& e : entries) {
    const int level = std::clamp(e.level, 1, open + 1);
    // Close the bookmarks on this level and below: they have no more children.
    for (; open >= level; --open) data += " )";
    data += br + QByteArray(level, ' ') + '(' + dialect::Quote(e.title.toUtf8()) + ' ' + dialect::Quote(targets.UrlOf(e.target));
    open = level;
  }
  for (; open > 0; --open) data += " )";
  return data + " )";
}

int BookmarkCount(QByteArrayView printed) {
  // Every parenthesis opened outside a string, the "(bookmarks" one aside.
  int opened = 0;
  for (qsizetype i = 0; i < printed.size(); ++i) {
    if (printed[i] == '"') {
      const std::optional<qsizetype> end = dialect::StringEnd(printed, i);
      if (!end) break;
      i = *end;
    } else if (printed[i] == '(') {
      ++opened;
    }
  }
  return std::max(opened - 1, 0);
}
