#include "outline/entry_title.h"

#include <QPair>

#include "outline/outline_title.h"

namespace {

constexpr int kMaxLeadingLines = 2;

// The printed line that holds the middle of the line zone's last word, and
// that word's place in it.
std::optional<QPair<qsizetype, qsizetype>> LineOf(const QList<PrintedLine>& lines, const PageRect& zone) {
  std::optional<QPair<qsizetype, qsizetype>> found;
  for (qsizetype li = 0; li < lines.size(); ++li) {
    for (qsizetype wi = 0; wi < lines[li].words.size(); ++wi) {
      const PageRect& w = lines[li].words[wi].box;
      const qint64 x = (w.left + w.right) / 2, y = (w.bottom + w.top) / 2;
      if (x < zone.left || x > zone.right || y < zone.bottom || y > zone.top) continue;
      if (!found || found->first != li || wi > found->second) found = qMakePair(li, wi);
    }
  }
  return found;
}

bool EndsInNumber(const PrintedLine& line) {
  return !line.words.isEmpty() && WithoutPageNumber(line.words.last().text) != line.words.last().text;
}

// A line of a wrapped title: it leads into the line below it, stands wholly
// above it and overlaps it from left to right, and does not end in a number
// of its own.
bool WrapsInto(const PrintedLine& upper, const PrintedLine& lower) {
  return LeadsInto(upper, lower) && upper.box.bottom >= lower.box.top && upper.box.right > lower.box.left &&
         !EndsInNumber(upper);
}

}  // namespace

std::optional<EntryTitle> EntryTitleOf(const QList<PrintedLine>& lines, const PageRect& line) {
  const auto at = LineOf(lines, line);
  if (!at) return std::nullopt;
  EntryTitle title;
  qsizetype first = at->first;
  while (at->first - first < kMaxLeadingLines && first > 0) {
    // The lines of a column follow each other in reading order.
    const qsizetype above = first - 1;
    if (!WrapsInto(lines[above], lines[first])) break;
    first = above;
  }
  for (qsizetype i = first; i < at->first; ++i) {
    for (const PrintedWord& w : lines[i].words) title.words << w.text;
  }
  const PrintedLine& own = lines[at->first];
  for (qsizetype wi = 0; wi < at->second; ++wi) title.words << own.words[wi].text;
  title.words << WithoutPageNumber(own.words[at->second].text);
  title.first = &lines[first];
  return title;
}

QStringList EntryTitleWords(const TextZone& page, const PageRect& line) {
  const std::optional<EntryTitle> title = EntryTitleOf(PrintedLines(page), line);
  return title ? title->words : QStringList();
}
