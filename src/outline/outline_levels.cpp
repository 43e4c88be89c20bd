#include "outline/outline_levels.h"

#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Sorted values split where two neighbours lie more than `gap` apart; gives
// each cluster's mean.
QList<double> Clusters(QList<int> values, double gap) {
  std::sort(values.begin(), values.end());
  QList<double> means;
  qsizetype start = 0;
  for (qsizetype i = 1; i <= values.size(); ++i) {
    if (i == values.size() || values[i] - values[i - 1] > gap) {
      double sum = 0;
      for (qsizetype k = start; k < i; ++k) sum += values[k];
      means << sum / double(i - start);
      start = i;
    }
  }
  return means;
}

qsizetype Nearest(const QList<double>& rungs, double x) {
  qsizetype best = 0;
  for (qsizetype k = 1; k < rungs.size(); ++k) {
    if (std::abs(rungs[k] - x) < std::abs(rungs[best] - x)) best = k;
  }
  return best;
}

int MedianHeight(const QList<ContentsEntry>& entries) {
  QList<int> heights;
  for (const ContentsEntry& e : entries) heights << e.lineHeight;
  std::sort(heights.begin(), heights.end());
  return heights.isEmpty() ? 0 : heights[heights.size() / 2];
}

// The indentation step of each entry (0 for the leftmost), or nothing when
// all entries stand at one indentation. The entries of each column of each
// page share a shift (scanned pages move, odd and even pages have their own
// margins): the ladder of left edges comes from the column with the most
// steps, and every other column takes the shift that fits its edges to it best.
std::optional<QList<int>> IndentSteps(const QList<ContentsEntry>& entries) {
  const double tolerance = std::max(3.0, MedianHeight(entries) * 0.5);
  QMap<QPair<int, int>, QList<qsizetype>> groups;  // (page, column) -> entries
  for (qsizetype i = 0; i < entries.size(); ++i) groups[{entries[i].page, entries[i].column}] << i;
  QList<double> ladder;
  qsizetype ladderEntries = 0;
  for (const QList<qsizetype>& group : groups) {
    QList<int> lefts;
    for (const qsizetype i : group) lefts << entries[i].left;
    const QList<double> rungs = Clusters(lefts, tolerance);
    if (rungs.size() > ladder.size() || (rungs.size() == ladder.size() && group.size() > ladderEntries)) {
      ladder = rungs;
      ladderEntries = group.size();
    }
  }
  if (ladder.size() < 2) return std::nullopt;

  QList<int> steps(entries.size(), 0);
  for (const QList<qsizetype>& group : groups) {
    QList<int> lefts;
    for (const qsizetype i : group) lefts << entries[i].left;
    double bestShift = 0, bestCost = INFINITY;
    for (const double own : Clusters(lefts, tolerance)) {
      for (const double rung : ladder) {
        const double shift = rung - own;
        double cost = 0;
        for (const int left : lefts) {
          cost += std::min(std::abs(ladder[Nearest(ladder, left + shift)] - (left + shift)), 3 * tolerance);
        }
        if (cost < bestCost - 0.5 || (std::abs(cost - bestCost) <= 0.5 && std::abs(shift) < std::abs(bestShift))) {
          bestCost = cost;
          bestShift = shift;
        }
      }
    }
    for (const qsizetype i : group) steps[i] = int(Nearest(ladder, entries[i].left + bestShift));
  }
  return steps;
}

// The type size class of each entry (0 for the largest), or nothing when the
// line heights form one class or too many to be type sizes.
std::optional<QList<int>> SizeSteps(const QList<ContentsEntry>& entries) {
  QList<int> heights;
  for (const ContentsEntry& e : entries) heights << e.lineHeight;
  std::sort(heights.begin(), heights.end());
  QList<int> bounds;  // the smallest height of each class, small to large
  for (qsizetype i = 0; i < heights.size(); ++i) {
    if (i == 0 || heights[i] > heights[i - 1] * 1.2) bounds << heights[i];
  }
  if (bounds.size() < 2 || bounds.size() > 3) return std::nullopt;
  QList<int> steps;
  for (const ContentsEntry& e : entries) {
    int cls = 0;
    while (cls + 1 < bounds.size() && e.lineHeight >= bounds[cls + 1]) ++cls;
    steps << int(bounds.size()) - 1 - cls;
  }
  return steps;
}

}  // namespace

std::optional<int> NumberingRank(const QString& title) {
  static const QRegularExpression part(
      QStringLiteral("^(?:(?:часть|part|книга|book)\\s+\\S|[IVX]+\\.?\\s)"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  static const QRegularExpression chapter(
      QStringLiteral("^(?:глава|chapter|appendix|приложение|лекция|lecture)(?:\\s|$|[.:])"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  // "3 ", "3. ", "1.2.3 ", "A.1 ", and "3.1ProblemStatement" where the text
  // of a PDF lost the blank after the number.
  static const QRegularExpression numbers(QStringLiteral("^(\\d{1,3}|\\p{Lu}(?=\\.\\d))((?:\\.\\d{1,3})*)(\\.?)(.?)"),
                                          QRegularExpression::UseUnicodePropertiesOption);
  if (part.match(title).hasMatch()) return 0;
  if (chapter.match(title).hasMatch()) return 1;
  const QRegularExpressionMatch m = numbers.match(title);
  if (!m.hasMatch()) return std::nullopt;
  const QString next = m.captured(4);
  const bool glued = !m.captured(2).isEmpty() && m.captured(3).isEmpty() && !next.isEmpty() && next[0].isUpper();
  if (!next.isEmpty() && !next[0].isSpace() && !glued) return std::nullopt;
  return 1 + int(m.captured(2).count(QLatin1Char('.')));
}

void AssignLevels(QList<ContentsEntry>& entries) {
  if (entries.isEmpty()) return;
  const std::optional<QList<int>> indent = IndentSteps(entries);
  QList<int> level(entries.size(), 1);

  QList<std::optional<int>> ranks;
  qsizetype numbered = 0;
  for (const ContentsEntry& e : entries) {
    ranks << NumberingRank(e.title);
    if (ranks.last()) ++numbered;
  }
  if (numbered >= 2 && numbered * 2 >= entries.size()) {
    // The book numbers its sections: each rank in use is a level.
    QList<int> used;
    for (const auto& r : ranks) {
      if (r && !used.contains(*r)) used << *r;
    }
    std::sort(used.begin(), used.end());
    // An unnumbered entry takes the level most numbered entries at its
    // indentation have; one indented further than any numbered entry goes
    // below the deepest of them, one with none at its indentation on top.
    QMap<int, QMap<int, int>> levelsAtStep;  // step -> level -> count
    for (qsizetype i = 0; i < entries.size(); ++i) {
      if (!ranks[i]) continue;
      level[i] = int(used.indexOf(*ranks[i])) + 1;
      if (indent) ++levelsAtStep[(*indent)[i]][level[i]];
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
      if (ranks[i] || !indent) continue;
      const int step = (*indent)[i];
      if (levelsAtStep.contains(step)) {
        const QMap<int, int>& counts = levelsAtStep[step];
        level[i] = std::max_element(counts.begin(), counts.end()).key();
      } else {
        int below = INT_MIN;
        for (auto it = levelsAtStep.begin(); it != levelsAtStep.end() && it.key() < step; ++it) below = it.key();
        if (below != INT_MIN) level[i] = levelsAtStep[below].lastKey() + 1;
      }
    }
  } else {
    if (indent) {
      for (qsizetype i = 0; i < entries.size(); ++i) level[i] = (*indent)[i] + 1;
    } else if (const std::optional<QList<int>> sizes = SizeSteps(entries)) {
      for (qsizetype i = 0; i < entries.size(); ++i) level[i] = (*sizes)[i] + 1;
    }
    // Parts ("Часть II", "I Gnuplot") hold what follows them even where they
    // stand at the same edge: they go on top, the rest one level below.
    if (std::any_of(ranks.begin(), ranks.end(), [](const std::optional<int>& r) { return r == 0; })) {
      for (qsizetype i = 0; i < entries.size(); ++i) level[i] = ranks[i] == 0 ? 1 : level[i] + 1;
    }
  }

  int previous = 0;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    entries[i].level = std::clamp(level[i], 1, previous + 1);
    previous = entries[i].level;
  }
}
