#include "targets/number_check.h"

#include <algorithm>
#include <optional>

#include "targets/word_keys.h"

namespace targets {
namespace {

// For each digit read, the digits it may stand for, from the misread
// numbers of the development corpus's OCR'd and scan-like pages (there a 4
// is read as 1 most often, then 8 as 5, 5 as 2 and 5 as 0) and the pairs
// OCR confuses in any typeface (1/7, 3/8, 5/6, 0/8, 2/7, 9/0).
const QList<QList<int>>& Confused() {
  static const QList<QList<int>> confused = {
      /*0*/ {8, 9, 6, 5},
      /*1*/ {7, 4, 2},
      /*2*/ {7, 3, 5},
      /*3*/ {8, 5, 2, 9},
      /*4*/ {1, 9, 5},
      /*5*/ {6, 3, 8},
      /*6*/ {5, 8, 0},
      /*7*/ {1, 2},
      /*8*/ {3, 0, 6, 9, 5},
      /*9*/ {0, 8, 4, 3},
  };
  return confused;
}

// Whether the page holds the entry's words: nothing when there is nothing
// to check against.
std::optional<bool> Holds(const NumberEntry& e, int page, const PageTextOf& text, const QStringList& keys) {
  const PageText* pageText = text(page);
  if (!pageText || keys.isEmpty()) return std::nullopt;
  return HoldsEntry(pageText->Found(keys), int(keys.size()), e.index);
}

// Whether two entries are neighbours in a list of numbers: a contents
// list's entries, or the numbers of one index term on one page.
bool Neighbours(const NumberEntry& a, const NumberEntry& b) {
  if (a.list != b.list || a.index != b.index) return false;
  return !a.index || (a.entry.page == b.entry.page && a.entry.title == b.entry.title);
}

class Checker {
 public:
  Checker(const QList<NumberEntry>& entries, const TargetOf& target, const PageTextOf& text)
      : entries_(entries), target_(target), text_(text) {
    for (const NumberEntry& e : entries) numbers_ << e.entry.printed;
  }

  CheckedNumber Check(qsizetype i, std::optional<int> reading) {
    const NumberEntry& e = entries_[i];
    const QStringList keys = KeyWords(e.entry.title);
    const Folio printed = e.entry.printed;
    const std::optional<bool> holds = Holds(e, e.entry.target, text_, keys);
    if (!holds) return {Verdict::Unchecked, printed, e.entry.target};
    if (*holds) return {Verdict::Kept, printed, e.entry.target};
    if (printed.roman) return {Verdict::Doubtful, printed, e.entry.target};
    if (reading && *reading != printed.number) {
      if (const std::optional<int> page = Passing(i, *reading, keys)) {
        numbers_[i] = Folio{*reading, false};
        return {Verdict::Reread, numbers_[i], *page};
      }
    }
    std::optional<std::pair<int, int>> found;  // number, page
    for (const int other : DigitAlternatives(printed.number)) {
      if (const std::optional<int> page = Passing(i, other, keys)) {
        if (found) return {Verdict::Doubtful, printed, e.entry.target};  // two would do: neither is sure
        found = std::pair{other, *page};
      }
    }
    if (!found) return {Verdict::Doubtful, printed, e.entry.target};
    numbers_[i] = Folio{found->first, false};
    return {Verdict::Corrected, numbers_[i], found->second};
  }

 private:
  // The page of `number` when it holds the entry's words and the number
  // stays in order with the entry's neighbours.
  std::optional<int> Passing(qsizetype i, int number, const QStringList& keys) const {
    if (!InOrder(i, number)) return std::nullopt;
    const std::optional<int> page = target_(number, false);
    if (!page || *page == entries_[i].entry.page) return std::nullopt;
    const std::optional<bool> holds = Holds(entries_[i], *page, text_, keys);
    if (!holds || !*holds) return std::nullopt;
    return page;
  }

  // Contents: between the previous and next entry's numbers; index: strictly
  // inside its term's ascending list.
  bool InOrder(qsizetype i, int number) const {
    const bool strict = entries_[i].index;
    if (const std::optional<int> before = Neighbour(i, -1)) {
      if (strict ? number <= *before : number < *before) return false;
    }
    if (const std::optional<int> after = Neighbour(i, +1)) {
      if (strict ? number >= *after : number > *after) return false;
    }
    return true;
  }

  std::optional<int> Neighbour(qsizetype i, int step) const {
    const qsizetype j = i + step;
    if (j < 0 || j >= entries_.size() || !Neighbours(entries_[i], entries_[j]) || numbers_[j].roman) {
      return std::nullopt;
    }
    return numbers_[j].number;
  }

  const QList<NumberEntry>& entries_;
  const TargetOf& target_;
  const PageTextOf& text_;
  QList<Folio> numbers_;  // as checked so far: a corrected number orders its neighbours
};

}  // namespace

QList<int> DigitAlternatives(int number) {
  QList<int> alternatives;
  const QString digits = QString::number(number);
  for (qsizetype at = 0; at < digits.size(); ++at) {
    for (const int other : Confused()[digits[at].digitValue()]) {
      if (at == 0 && other == 0) continue;
      QString changed = digits;
      changed[at] = QChar(u'0' + other);
      alternatives << changed.toInt();
    }
  }
  std::sort(alternatives.begin(), alternatives.end());
  alternatives.erase(std::unique(alternatives.begin(), alternatives.end()), alternatives.end());
  return alternatives;
}

QList<int> PagesToRead(const QList<NumberEntry>& entries, const TargetOf& target) {
  QList<int> pages;
  for (const NumberEntry& e : entries) {
    pages << e.entry.target;
    if (e.entry.printed.roman) continue;
    for (const int other : DigitAlternatives(e.entry.printed.number)) {
      if (const std::optional<int> page = target(other, false)) pages << *page;
    }
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  return pages;
}

QList<CheckedNumber> CheckNumbers(const QList<NumberEntry>& entries, const TargetOf& target,
                                  const PageTextOf& text, const QHash<qsizetype, int>& readings) {
  Checker checker(entries, target, text);
  QList<CheckedNumber> checked;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    checked << checker.Check(i, readings.contains(i) ? std::optional<int>(readings.value(i)) : std::nullopt);
  }
  return checked;
}

}  // namespace targets
