#include "autolinks/auto_index.h"

#include <algorithm>
#include <climits>

#include "autolinks/number_reading.h"

namespace {

bool IsFractionSlash(QChar c) { return c == QLatin1Char('/') || c == QChar(0x2044) || c == QChar(0x2215); }

QChar At(const QString& text, qsizetype i) { return i >= 0 && i < text.size() ? text[i] : QChar(); }

// Whether the digits text[start, end) of a word stand as a page number: after
// the word's start, a leader, a comma, a parenthesis or a range dash; before
// its end, punctuation, a range dash or "f."/"ff."; never glued to letters,
// inside a decimal or a fraction, with a leading zero, or followed by
// leaders that OCR read as digits.
bool StandsAsNumber(const QString& text, qsizetype start, qsizetype end) {
  if (text[start] == QLatin1Char('0') || end - start > 5) return false;
  const QChar before = At(text, start - 1);
  if (!before.isNull()) {
    const QChar beforeThat = At(text, start - 2);
    if (before == QLatin1Char('.')) {
      if (beforeThat != QLatin1Char('.') && beforeThat != QChar(0x2026)) return false;
    } else if (IsDash(before)) {
      if (!IsAsciiDigit(beforeThat)) return false;
    } else if (before != QLatin1Char(',') && before != QLatin1Char(';') && before != QLatin1Char('(') &&
               before != QLatin1Char('[') && before != QLatin1Char(':') && before != QChar(0x2026) &&
               before != QChar(0x00B7)) {
      return false;
    }
  }
  const QChar after = At(text, end);
  if (after.isNull()) return true;
  const QChar afterThat = At(text, end + 1);
  if (after == QLatin1Char('.')) return afterThat.isNull() || afterThat == QLatin1Char(',') || afterThat == QLatin1Char(';');
  if (IsDash(after)) return afterThat.isNull() || IsAsciiDigit(afterThat);
  if (after == QLatin1Char('f')) {
    return afterThat.isNull() || afterThat == QLatin1Char('.') ||
           (afterThat == QLatin1Char('f') && (At(text, end + 2).isNull() || At(text, end + 2) == QLatin1Char('.')));
  }
  if (IsFractionSlash(after)) return false;
  // A closing parenthesis needs its opening one in the word: "5)" is OCR's
  // reading of "50".
  if (after == QLatin1Char(')')) return text.lastIndexOf(QLatin1Char('('), start) >= 0;
  return after == QLatin1Char(',') || after == QLatin1Char(';') ||
         after == QLatin1Char(']') || after == QLatin1Char(':');
}

bool DigitsFollow(const PrintedLine& line, qsizetype wordIndex, qsizetype from) {
  for (qsizetype w = wordIndex; w < line.words.size(); ++w) {
    const QString& text = line.words[w].text;
    for (qsizetype i = w == wordIndex ? from : 0; i < text.size(); ++i) {
      if (IsAsciiDigit(text[i])) return true;
    }
  }
  return false;
}

PageRect CharsBox(const PrintedWord& word, qsizetype start, qsizetype end) {
  PageRect box = word.chars[start];
  for (qsizetype i = start + 1; i < end; ++i) box = Union(box, word.chars[i]);
  box.bottom = word.box.bottom;
  box.top = word.box.top;
  return box;
}

// The heading a reader sees before the line's first number.
QString Heading(const PrintedLine& line, qsizetype wordIndex, qsizetype charIndex) {
  QStringList words;
  for (qsizetype i = 0; i < wordIndex; ++i) words << line.words[i].text;
  words << line.words[wordIndex].text.left(charIndex);
  QString text = words.join(QLatin1Char(' '));
  while (!text.isEmpty() && (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(',')) ||
                             text.endsWith(QLatin1Char(' ')) || text.endsWith(QChar(0x2026)))) {
    text.chop(1);
  }
  return text;
}

bool AllDigits(const QString& text) {
  return !text.isEmpty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

// The line with the digits of one number that OCR split into two words
// joined again: a word of digits and a word starting with a digit that
// touches it (no blank between them; "7" "1" for 71). Numbers a reader sees
// apart always have a comma or a blank between them.
PrintedLine WithSplitNumbersJoined(PrintedLine line) {
  for (qsizetype i = line.words.size() - 1; i > 0; --i) {
    PrintedWord& left = line.words[i - 1];
    const PrintedWord& right = line.words[i];
    const int touch = std::max<qint64>(1, std::min<qint64>(left.box.Height(), right.box.Height()) / 10);
    if (!AllDigits(left.text) || !IsAsciiDigit(right.text[0]) || right.box.left - left.box.right > touch ||
        right.box.left < left.box.right - touch) {
      continue;
    }
    left.text += right.text;
    left.chars += right.chars;
    left.box = Union(left.box, right.box);
    line.words.removeAt(i);
  }
  return line;
}

// An entry's page numbers rise along its list; two neighbours of one list
// (nothing but numbers and commas between them; a semicolon starts another
// list) that do not ("32, 31") hold a
// misread digit, and which of them is wrong cannot be told: neither is
// linked. `words` holds the word index of each entry of the line from `from`.
void DropOutOfOrder(QList<ContentsEntry>& entries, qsizetype from, const QList<qsizetype>& words,
                    const PrintedLine& line) {
  const auto otherWordsBetween = [&](qsizetype a, qsizetype b) {
    if (line.words[a].text.contains(QLatin1Char(';'))) return true;
    for (qsizetype w = a + 1; w < b; ++w) {
      const QString& text = line.words[w].text;
      if (text.contains(QLatin1Char(';'))) return true;
      if (text != QLatin1String(",") && !IsNumberWord(text)) return true;
    }
    return false;
  };
  QList<bool> drop(entries.size() - from, false);
  for (qsizetype i = from + 1; i < entries.size(); ++i) {
    if (entries[i].printed.roman || entries[i - 1].printed.roman) continue;
    if (otherWordsBetween(words[i - 1 - from], words[i - from])) continue;
    if (entries[i].printed.number <= entries[i - 1].printed.number) drop[i - from] = drop[i - 1 - from] = true;
  }
  for (qsizetype i = entries.size() - 1; i >= from; --i) {
    if (drop[i - from]) entries.removeAt(i);
  }
}

// The digit runs of word `wi` of the line that are page numbers, as
// [start, end) character ranges.
QList<std::pair<qsizetype, qsizetype>> NumberRuns(const PrintedLine& line, qsizetype wi, bool allNumbers) {
  const QString& text = line.words[wi].text;
  QList<std::pair<qsizetype, qsizetype>> runs;
  for (qsizetype i = 0; i < text.size();) {
    if (!IsAsciiDigit(text[i])) {
      ++i;
      continue;
    }
    qsizetype end = i;
    while (end < text.size() && IsAsciiDigit(text[end])) ++end;
    // A number at the very start of a line that is not a list of numbers
    // belongs to the entry's name ("3D graphics").
    const bool nameStart = wi == 0 && i == 0 && !allNumbers;
    // A number ending in a full stop with more digits after it on the line
    // is OCR's reading of leader dots ("contrasts . 6. eect 58").
    const bool strayStop = At(text, end) == QLatin1Char('.') && DigitsFollow(line, wi, end);
    // A number standing alone in its word, with no comma after it, and
    // more numbers later on the line is OCR noise among leaders ("is Kon
    // eh © 5 ai 17"): an entry's numbers are a list separated by commas.
    // Some text layers set the comma as a word of its own ("arrow, 131 , 172").
    const bool commaWord = wi + 1 < line.words.size() &&
                           (line.words[wi + 1].text == QLatin1String(",") ||
                            line.words[wi + 1].text == QLatin1String(";"));
    const bool strayWord = i == 0 && end == text.size() && !commaWord && DigitsFollow(line, wi + 1, 0);
    // The word right after such a stray number is no surer: the list lost
    // its comma there ("POSE 5 99" for "EPSF, 5, 29").
    const bool afterStray = i == 0 && wi > 0 && AllDigits(line.words[wi - 1].text);
    if (!nameStart && !strayStop && !strayWord && !afterStray && StandsAsNumber(text, i, end)) runs.append({i, end});
    i = end;
  }
  return runs;
}

// A Roman page number standing as a word of its own ("xii,"): its value and
// its length without the punctuation after it.
std::optional<std::pair<int, qsizetype>> RomanWord(QString text) {
  while (!text.isEmpty() && (text.endsWith(QLatin1Char(',')) || text.endsWith(QLatin1Char(';')) ||
                             text.endsWith(QLatin1Char('.')))) {
    text.chop(1);
  }
  const std::optional<int> value = RomanValue(text, kLargestRomanPage);
  if (!value) return std::nullopt;
  return std::pair{*value, text.size()};
}

// The entries of one line, appended to `entries`; the heading they link from
// is the text before the line's first number, or the last heading when the
// line is a continuation of numbers.
class LineEntries {
 public:
  LineEntries(const PrintedLine& line, int documentPage, const IndexOptions& options, QString& heading,
              QList<ContentsEntry>& entries)
      : line_(line), documentPage_(documentPage), options_(options), heading_(heading), entries_(entries) {}

  void Read() {
    const qsizetype lineStart = entries_.size();
    bool allNumbers = true;
    for (const PrintedWord& w : line_.words) allNumbers = allNumbers && IsNumberWord(w.text);
    for (qsizetype wi = 0; wi < line_.words.size(); ++wi) {
      if (options_.roman && wi > 0) {
        if (const auto roman = RomanWord(line_.words[wi].text)) {
          Add(wi, roman->first, true, 0, roman->second);
          continue;
        }
      }
      for (const auto& [start, end] : NumberRuns(line_, wi, allNumbers)) {
        Add(wi, line_.words[wi].text.mid(start, end - start).toInt(), false, start, end);
      }
    }
    DropOutOfOrder(entries_, lineStart, entryWords_, line_);
  }

 private:
  void Add(qsizetype wi, int value, bool roman, qsizetype start, qsizetype end) {
    const std::optional<int> target = options_.target(value, roman);
    if (!target || *target == documentPage_) return;
    if (!headingTaken_) {
      const QString before = Heading(line_, wi, start);
      if (!before.isEmpty()) heading_ = before;
      headingTaken_ = true;
    }
    const PageRect box = CharsBox(line_.words[wi], start, end);
    ContentsEntry entry;
    entry.printed = Folio{value, roman};
    entry.target = *target;
    entry.area = box;
    entry.title = heading_;
    entry.left = line_.box.left;
    entry.lineHeight = line_.box.Height();
    entries_.append(entry);
    entryWords_.append(wi);
  }

  const PrintedLine& line_;
  int documentPage_;
  const IndexOptions& options_;
  QString& heading_;
  QList<ContentsEntry>& entries_;
  bool headingTaken_ = false;
  QList<qsizetype> entryWords_;  // the word each entry of the line stands in
};

}  // namespace

QList<ContentsEntry> IndexEntries(const TextZone& page, int documentPage, const IndexOptions& options) {
  const QList<PrintedLine> lines = PrintedLines(page);
  QList<ContentsEntry> entries;
  QString heading;
  for (qsizetype li = 0; li < lines.size(); ++li) {
    if (IsPageFurniture(lines, li)) continue;
    const PrintedLine line = WithSplitNumbersJoined(lines[li]);
    LineEntries(line, documentPage, options, heading, entries).Read();
  }
  return entries;
}
