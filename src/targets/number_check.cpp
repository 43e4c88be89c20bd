#include "targets/number_check.h"

#include <algorithm>
#include <QSet>
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
      : entries_(entries), target_(target), text_(text), unidentified_(Unidentified(entries)) {
    for (const NumberEntry& e : entries) {
      numbers_ << e.entry.printed;
      listPages_.insert(e.entry.page);
    }
  }

  CheckedNumber Check(qsizetype i, std::optional<int> reading, std::optional<int> shapes) {
    const NumberEntry& e = entries_[i];
    const QStringList keys = KeyWords(e.entry.title);
    const Folio printed = e.entry.printed;
    const int page = e.entry.target;
    if (unidentified_.contains(i)) return {Verdict::Unchecked, printed, page};
    if (shapes && !printed.roman && *shapes != printed.number) return Reshaped(i, *shapes, keys);
    const std::optional<bool> holds = Holds(e, page, text_, keys);
    if (!holds) return {Verdict::Unchecked, printed, page};
    // A term whose paragraph starts on the next page, a heading at the foot
    // of the page before: the words next to the page confirm it too.
    if (*holds || HoldsNear(e, page - 1, keys) || HoldsNear(e, page + 1, keys)) {
      return {Verdict::Kept, printed, page};
    }
    if (printed.roman) return {Doubtful(i, false) ? Verdict::Doubtful : Verdict::Unconfirmed, printed, page};
    // The page image shows the number the text says: it was not misread.
    if (reading && *reading == printed.number) return {Verdict::Unconfirmed, printed, page};
    if (reading) {
      if (const std::optional<int> read = Passing(i, *reading, keys)) {
        numbers_[i] = Folio{*reading, false};
        return {Verdict::Reread, numbers_[i], *read};
      }
    }
    std::optional<std::pair<int, int>> found;  // number, page
    bool elsewhere = false;                    // an alternative's page holds the words, in order or not
    for (const int other : DigitAlternatives(printed.number)) {
      if (const std::optional<int> passing = Passing(i, other, keys)) {
        if (found) return {Verdict::Doubtful, printed, page};  // two would do: neither is sure
        found = std::pair{other, *passing};
      } else {
        elsewhere = elsewhere || HoldsAt(i, other, keys);
      }
    }
    if (!found) return {Doubtful(i, elsewhere) ? Verdict::Doubtful : Verdict::Unconfirmed, printed, page};
    numbers_[i] = Folio{found->first, false};
    return {Verdict::Corrected, numbers_[i], found->second};
  }

 private:
  // The book's own digit shapes read the number otherwise: their reading is
  // taken when its page holds the entry's words, or when there is nothing to
  // check it against; otherwise the number is not linked, whatever the page
  // of the number as read holds (a common term is on many pages).
  CheckedNumber Reshaped(qsizetype i, int number, const QStringList& keys) {
    const Folio printed = entries_[i].entry.printed;
    const std::optional<int> page = target_(number, false);
    if (!page || !InOrder(i, number)) return {Verdict::Doubtful, printed, entries_[i].entry.target};
    const std::optional<bool> holds = Holds(entries_[i], *page, text_, keys);
    if (holds && !*holds && !HoldsNear(entries_[i], *page - 1, keys) && !HoldsNear(entries_[i], *page + 1, keys)) {
      return {Verdict::Doubtful, printed, entries_[i].entry.target};
    }
    numbers_[i] = Folio{number, false};
    return {Verdict::Reread, numbers_[i], *page};
  }

  // The page of `number` when it holds the entry's words and the number
  // stays in order with the entry's neighbours.
  std::optional<int> Passing(qsizetype i, int number, const QStringList& keys) const {
    if (!InOrder(i, number) || !HoldsAt(i, number, keys)) return std::nullopt;
    return target_(number, false);
  }

  // Whether the page of `number` holds the entry's words. The contents and
  // index pages themselves hold every entry's words: they tell nothing.
  bool HoldsAt(qsizetype i, int number, const QStringList& keys) const {
    const std::optional<int> page = target_(number, false);
    return page && HoldsNear(entries_[i], *page, keys);
  }

  bool HoldsNear(const NumberEntry& e, int page, const QStringList& keys) const {
    return !listPages_.contains(page) && Holds(e, page, text_, keys).value_or(false);
  }

  // A number whose page does not hold its words is doubtful when it shows
  // a misreading: read from look-alike letters, out of order with its
  // neighbours, or one digit away from a page that holds them.
  bool Doubtful(qsizetype i, bool elsewhere) const {
    const Folio printed = entries_[i].entry.printed;
    return elsewhere || entries_[i].entry.lookAlike || (!printed.roman && !InOrder(i, printed.number));
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
  QSet<int> listPages_;   // the pages the entries stand on
  QSet<qsizetype> unidentified_;
};

}  // namespace

QSet<qsizetype> Unidentified(const QList<NumberEntry>& entries) {
  QHash<QPair<int, QStringList>, QList<qsizetype>> byKeys;  // a contents list's entries by their words
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!entries[i].index) byKeys[{entries[i].list, KeyWords(entries[i].entry.title)}] << i;
  }
  QSet<qsizetype> shared;
  for (const QList<qsizetype>& same : std::as_const(byKeys)) {
    if (same.size() > 1) shared.unite(QSet<qsizetype>(same.begin(), same.end()));
  }
  return shared;
}

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
    pages << e.entry.target - 1 << e.entry.target << e.entry.target + 1;
    if (e.entry.printed.roman) continue;
    for (const int other : DigitAlternatives(e.entry.printed.number)) {
      if (const std::optional<int> page = target(other, false)) pages << *page;
    }
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  return pages;
}

bool TargetHolds(const NumberEntry& entry, const PageTextOf& text) {
  return Holds(entry, entry.entry.target, text, KeyWords(entry.entry.title)).value_or(false);
}

QList<CheckedNumber> CheckNumbers(const QList<NumberEntry>& entries, const TargetOf& target,
                                  const PageTextOf& text, const QHash<qsizetype, int>& readings,
                                  const QHash<qsizetype, int>& shapes) {
  Checker checker(entries, target, text);
  QList<CheckedNumber> checked;
  const auto of = [](const QHash<qsizetype, int>& numbers, qsizetype i) {
    return numbers.contains(i) ? std::optional<int>(numbers.value(i)) : std::nullopt;
  };
  for (qsizetype i = 0; i < entries.size(); ++i) checked << checker.Check(i, of(readings, i), of(shapes, i));
  return checked;
}

}  // namespace targets
