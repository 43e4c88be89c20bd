#pragma once
// The check of automatic links against the book's own text: an index term is
// printed on the page its number leads to, a contents title on the page its
// section starts on. A number whose page does not hold its entry's words is
// corrected to the one-digit change OCR may have made (a 5 read for a 3, ...)
// whose page does and which stays in order with its neighbours, or left
// unlinked when the number shows a misreading; a number nothing speaks
// against stays, as a typeset book's terms are not always on their page.
#include <QHash>
#include <QList>
#include <QSet>
#include <functional>

#include "autolinks/auto_entry.h"
#include "targets/page_text.h"

namespace targets {

// One link to check.
struct NumberEntry {
  ContentsEntry entry;  // its title, printed number, target and the page it stands on
  bool index = false;   // an index number: its neighbours are the other numbers of its term
  int list = 0;         // entries of one contents list or index share it; neighbours stay within it
};

enum class Verdict {
  Kept,       // its page (or the page before or after it) holds its words
  Unconfirmed,  // its page does not, but nothing says the number was misread: it stays
  Unchecked,  // nothing to check against: no hidden text on its page, or no words in its entry
  Corrected,  // another number's page holds them: `printed` and `target` are the new ones
  Reread,     // the number read again from the page image gave a page that holds them
  Doubtful,   // no page that holds them: not linked
};

struct CheckedNumber {
  Verdict verdict = Verdict::Kept;
  Folio printed;
  int target = 0;
};

// The text of a document page, or nothing when it has no hidden text (or was
// not read).
using PageTextOf = std::function<const PageText*(int page)>;

// The numbers OCR may have read as `number`: one digit changed into a digit
// it is often confused with, no leading zero, in increasing order.
QList<int> DigitAlternatives(int number);

// The pages the check reads: the entries' targets and the pages on either
// side, and the targets of their numbers' alternatives, sorted, without
// repeats.
QList<int> PagesToRead(const QList<NumberEntry>& entries, const TargetOf& target);

// The contents entries whose words another entry of their list has too
// ("Глава 5", "Глава 7": numbers are no words): the words on a page cannot
// tell which of them it starts, so they are not checked.
QSet<qsizetype> Unidentified(const QList<NumberEntry>& entries);

// Whether the page the entry leads to holds its words (false when it has no
// text or the entry no words): such an entry is kept whatever else the check
// reads.
bool TargetHolds(const NumberEntry& entry, const PageTextOf& text);

// Checks the entries, given in the order they were recognised. `readings`
// holds, by entry index, numbers read again from the page image for entries
// a first check found doubtful or corrected: a reading equal to the printed
// number keeps it as it is (the image shows it so: a term off its page, not
// a misreading); another is taken when its page holds the entry's words and
// it stays in order. `shapes` holds, by entry index, the numbers the book's
// own digit shapes read surely otherwise than the text: such a number is
// taken when its page holds the entry's words or cannot be checked, and
// left unlinked when not.
QList<CheckedNumber> CheckNumbers(const QList<NumberEntry>& entries, const TargetOf& target,
                                  const PageTextOf& text, const QHash<qsizetype, int>& readings = {},
                                  const QHash<qsizetype, int>& shapes = {});

}  // namespace targets
