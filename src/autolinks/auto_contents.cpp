#include "autolinks/auto_contents.h"

#include <QRegularExpression>
#include <algorithm>
#include <climits>

#include "autolinks/number_reading.h"

namespace {


// One line's words from `from` to `to` (exclusive) as a box.
PageRect PartBox(const PrintedLine& line, qsizetype from, qsizetype to) {
  PageRect box = line.words[from].box;
  for (qsizetype i = from + 1; i < to; ++i) box = Union(box, line.words[i].box);
  return box;
}

// Title words joined by blanks; a word broken by a hyphen at a line's end
// ("пу-" "тями") joined again.
QString JoinTitle(const QStringList& words) {
  QString text;
  for (const QString& word : words) {
    if (word.isEmpty()) continue;
    if (text.endsWith(QLatin1Char('-')) && text.size() >= 2 && text[text.size() - 2].isLetter() &&
        word[0].isLower()) {
      text.chop(1);
    } else if (!text.isEmpty()) {
      text += QLatin1Char(' ');
    }
    text += word;
  }
  return text;
}

// OCR's reading of leader dots after a title: words with two dots in a row
// or only dots and digits ("0...", "2.0.2...", "0-"), and the short runs of
// the letters it reads dots as ("eee", "cece", "eens") after them. A number
// that ends the title ("version 5.4", "Windows 7") stays.
QStringList WithoutLeaderNoise(QStringList words) {
  static const QRegularExpression dotted(QStringLiteral("^[^\\p{L}]*\\.\\.|^[.0-9,:;·…-]+$"));
  static const QRegularExpression number(QStringLiteral("^[1-9][0-9]*(\\.[0-9]+)*$"));
  static const QRegularExpression dotLetters(QStringLiteral("^[.0]*[ceonstar0]{1,10}[.]?$"));
  qsizetype keep = words.size();
  bool sawDots = false;
  while (keep > 0) {
    const QString& w = words[keep - 1];
    const bool dots = dotted.match(w).hasMatch() && !number.match(w).hasMatch();
    if (!dots && !dotLetters.match(w).hasMatch()) {
      sawDots = sawDots || w.contains(QStringLiteral(".."));  // "features.......": kept, leaders cut later
      break;
    }
    sawDots = sawDots || dots;
    --keep;
  }
  return sawDots ? words.mid(0, keep) : words;
}

// A title without the leaders (dots, blanks, middle dots) at its end.
QString WithoutLeaders(QString text) {
  const qsizetype lastWord = text.lastIndexOf(QLatin1Char(' ')) + 1;
  const qsizetype leaders = text.indexOf(QStringLiteral(".."), lastWord);
  if (leaders > lastWord) text.truncate(leaders);
  while (!text.isEmpty() && (text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x00B7)) ||
                             text.endsWith(QChar(0x2026)) || text.endsWith(QLatin1Char('_')) ||
                             text.endsWith(QLatin1Char('(')) || text.endsWith(QLatin1Char(' ')))) {
    text.chop(1);
  }
  return text;
}

// The number of the line's words up to its last one with a letter or digit:
// specks OCR read after an entry's number ("17 . .", "15 - . -") do not end it.
qsizetype SpecksCut(const PrintedLine& line) {
  qsizetype n = line.words.size();
  while (n > 1 && std::none_of(line.words[n - 1].text.begin(), line.words[n - 1].text.end(),
                               [](QChar c) { return c.isLetterOrNumber(); })) {
    --n;
  }
  return n;
}

// Whether a gutter (a gap of three line heights or more) follows word `wi`,
// a word of the line's type size (not a leader dot OCR read as a digit).
bool ColumnGapAfter(const PrintedLine& line, qsizetype wi) {
  const int height = std::max<qint64>(1, line.box.Height());
  return line.words[wi].box.Height() * 2 >= height &&
         line.words[wi + 1].box.left - line.words[wi].box.right >= 3 * height;
}

// The indices of a longest non-decreasing run of `order` values.
QList<qsizetype> LongestGrowing(const QList<ContentsCandidate>& items) {
  const qsizetype n = items.size();
  QList<int> length(n, 1);
  QList<qsizetype> before(n, -1);
  for (qsizetype i = 0; i < n; ++i) {
    for (qsizetype j = 0; j < i; ++j) {
      if (items[j].order <= items[i].order && length[j] + 1 > length[i]) {
        length[i] = length[j] + 1;
        before[i] = j;
      }
    }
  }
  QList<qsizetype> chain;
  if (n == 0) return chain;
  qsizetype at = std::max_element(length.begin(), length.end()) - length.begin();
  for (; at >= 0; at = before[at]) chain.prepend(at);
  return chain;
}

}  // namespace

QString ContentsTitle(const QStringList& words) { return WithoutLeaders(JoinTitle(WithoutLeaderNoise(words))); }

ContentsRecogniser::ContentsRecogniser(ContentsOptions options) : options_(std::move(options)) {}

QList<ContentsEntry> ContentsRecogniser::Page(const TextZone& page, int documentPage) {
  const QList<PrintedLine> lines = PrintedLines(page);
  QList<ContentsCandidate> found;
  // Lines without a number that lead into the next line of their column.
  QList<const PrintedLine*> pending;
  for (qsizetype li = 0; li < lines.size(); ++li) {
    const PrintedLine& line = lines[li];
    if (!pending.isEmpty() &&
        (!LeadsInto(*pending.last(), line) || pending.size() >= 3)) {
      pending.clear();
    }
    LineCandidates(lines, li, documentPage, pending, found);
  }
  return Accepted(found, InOrder(found));
}

void ContentsRecogniser::LineCandidates(const QList<PrintedLine>& lines, qsizetype li, int documentPage,
                                        QList<const PrintedLine*>& pending, QList<ContentsCandidate>& found) const {
  const PrintedLine& line = lines[li];
  qsizetype groupStart = 0;
  const qsizetype n = SpecksCut(line);
  for (qsizetype wi = 0; wi < n; ++wi) {
    const bool last = wi == n - 1;
    const PrintedWord& word = line.words[wi];
    std::optional<ReadNumber> number;
    if (last) {
      number = TrailingNumber(word.text, options_.roman);
    } else if (wi > groupStart && StartsEntry(line.words[wi + 1].text) &&
               (word.text.endsWith(QLatin1Char(',')) || ColumnGapAfter(line, wi))) {
      // A run-in entry "title 13, 2.4.2 next title": its number ends in a
      // comma; or OCR ran two columns into one line, and a gutter follows
      // the first column's number.
      number = TrailingNumber(word.text, options_.roman);
      if (number && (number->start != 0 || number->lookAlike)) number.reset();
    }
    if (!last && !number) continue;
    // A number alone at the start of its entry is a section number, not a page.
    if (number && wi == groupStart && number->start == 0 && pending.isEmpty()) number.reset();
    if (!number) {
      pending.append(&line);
      return;
    }
    ContentsCandidate c;
    c.number = *number;
    c.box = PartBox(line, groupStart, wi + 1);
    c.lineText = line.Text();
    c.firstLine = c.box;
    c.column = line.column;
    for (const PrintedLine* before : pending) {
      c.box = Union(c.box, before->box);
      for (const PrintedWord& w : before->words) c.words << w.text;
    }
    if (!pending.isEmpty()) c.firstLine = pending.first()->box;
    for (qsizetype k = groupStart; k < wi; ++k) c.words << line.words[k].text;
    if (number->start > 0) c.words << word.text.left(number->start);
    pending.clear();
    groupStart = wi + 1;
    // A number that leads nowhere is kept out of the order but may still be
    // asked about (the user can correct a misread number).
    const std::optional<int> target = options_.target(c.number.value, c.number.roman);
    if (target && *target == documentPage && IsPageFurniture(lines, li)) continue;
    c.valid = target.has_value();
    c.target = target.value_or(0);
    c.order = c.number.roman ? c.number.value - 1000000 : c.number.value;
    found.append(c);
  }
}

namespace {

// The orders of the nearest entries in order before and after entry i
// (INT_MIN and INT_MAX where there is none).
std::pair<int, int> Neighbours(const QList<ContentsCandidate>& found, const QList<bool>& inOrder, qsizetype i) {
  int low = INT_MIN, high = INT_MAX;
  for (qsizetype j = i - 1; j >= 0; --j) {
    if (inOrder[j]) {
      low = found[j].order;
      break;
    }
  }
  for (qsizetype j = i + 1; j < found.size(); ++j) {
    if (inOrder[j]) {
      high = found[j].order;
      break;
    }
  }
  return {low, high};
}

}  // namespace

QList<bool> ContentsRecogniser::InOrder(const QList<ContentsCandidate>& found) {
  // The order of the page: the longest growing run of plainly read numbers;
  // a look-alike reading is taken only where it fits between its neighbours.
  QList<ContentsCandidate> plain;
  QList<qsizetype> plainAt;
  for (qsizetype i = 0; i < found.size(); ++i) {
    if (found[i].valid && !found[i].number.lookAlike) {
      plain << found[i];
      plainAt << i;
    }
  }
  QList<bool> inOrder(found.size(), false);
  for (const qsizetype k : LongestGrowing(plain)) inOrder[plainAt[k]] = true;
  for (qsizetype i = 0; i < found.size(); ++i) {
    if (!found[i].valid || !found[i].number.lookAlike) continue;
    const auto [low, high] = Neighbours(found, inOrder, i);
    inOrder[i] = low <= found[i].order && found[i].order <= high && (low != INT_MIN || high != INT_MAX);
  }
  return inOrder;
}

QList<ContentsEntry> ContentsRecogniser::Accepted(QList<ContentsCandidate>& found, const QList<bool>& inOrder) {
  QList<ContentsEntry> entries;
  for (qsizetype i = 0; i < found.size(); ++i) {
    ContentsCandidate& c = found[i];
    bool accept = inOrder[i];
    const bool backwards = c.number.value < previous_ && !c.number.roman;
    if (backwards && options_.ask) {
      if (const std::optional<int> answer = options_.ask(previous_, c.number.value, c.lineText)) {
        if (*answer != c.number.value) {
          const auto [low, high] = Neighbours(found, inOrder, i);
          const std::optional<int> target = options_.target(*answer, false);
          accept = target && *answer > 0 && low <= *answer && *answer <= high;
          if (accept) {
            c.number.value = *answer;
            c.target = *target;
          }
        }
      }
    }
    if (!accept) continue;
    entries.append(EntryOf(c));
    if (!c.number.roman) previous_ = c.number.value;
  }
  return entries;
}

ContentsEntry ContentsRecogniser::EntryOf(const ContentsCandidate& c) {
  ContentsEntry entry;
  entry.printed = Folio{c.number.value, c.number.roman};
  entry.target = c.target;
  entry.area = c.box;
  entry.title = ContentsTitle(c.words);
  entry.left = c.firstLine.left;
  entry.lineHeight = c.firstLine.Height();
  entry.column = c.column;
  entry.lookAlike = c.number.lookAlike;
  return entry;
}
