#include "autolinks/number_reading.h"

namespace {

constexpr int kMaxDigits = 5;

bool IsLeaderOrStart(const QString& word, qsizetype start) {
  if (start == 0) return true;
  const QChar before = word[start - 1];
  return before == QLatin1Char('.') || before == QLatin1Char('(') || before == QChar(0x00B7) ||
         before == QChar(0x2026) || before == QLatin1Char('_');
}

// A digit string a page number can be: no leading zero, at most five digits.
bool PlausibleDigits(const QString& digits) {
  return !digits.isEmpty() && digits.size() <= kMaxDigits && digits[0] != QLatin1Char('0');
}

}  // namespace

std::optional<ReadNumber> TrailingNumber(const QString& word, bool roman) {
  qsizetype end = word.size();
  bool dotStripped = false;
  while (end > 0) {
    const QChar c = word[end - 1];
    if (c == QLatin1Char('.') && !dotStripped) {
      dotStripped = true;
    } else if (c != QLatin1Char(',') && c != QLatin1Char(';') && c != QLatin1Char(':') &&
               c != QLatin1Char(')') && c != QLatin1Char(']')) {
      break;
    }
    --end;
  }
  if (end == 0 || word[end - 1] == QLatin1Char('.')) return std::nullopt;  // "2..": leaders

  qsizetype start = end;
  while (start > 0 && word[start - 1].isDigit() && word[start - 1].unicode() < 128) --start;

  // Look-alike letters: a run of digits and letters that look like digits,
  // holding at least one real digit, standing alone or after leaders.
  qsizetype alike = end;
  bool anyDigit = false;
  while (alike > 0 && (word[alike - 1].isDigit() || LookAlikeDigit(word[alike - 1], LookAlikes::Common))) {
    anyDigit = anyDigit || word[alike - 1].isDigit();
    --alike;
  }
  if (alike < start && anyDigit && IsLeaderOrStart(word, alike)) {
    QString digits;
    for (qsizetype i = alike; i < end; ++i) {
      digits += word[i].isDigit() ? word[i] : QChar(u'0' + *LookAlikeDigit(word[i], LookAlikes::Common));
    }
    if (!PlausibleDigits(digits)) return std::nullopt;
    return ReadNumber{digits.toInt(), false, true, alike, end};
  }

  if (start < end) {
    const QString digits = word.mid(start, end - start);
    if (!PlausibleDigits(digits)) return std::nullopt;
    if (start >= 2 && word[start - 1] == QLatin1Char('.') && word[start - 2].isDigit()) return std::nullopt;
    if (start >= 1 && (word[start - 1] == QLatin1Char('-') || word[start - 1] == QChar(0x2013))) return std::nullopt;
    return ReadNumber{digits.toInt(), false, false, start, end};
  }

  if (!roman) return std::nullopt;
  while (start > 0 && QStringLiteral("ivxlcIVXLC").contains(word[start - 1])) --start;
  if (start == end || !IsLeaderOrStart(word, start)) return std::nullopt;
  const std::optional<int> value = RomanValue(word.mid(start, end - start), kLargestRomanPage);
  if (!value) return std::nullopt;
  return ReadNumber{*value, true, false, start, end};
}

bool StartsEntry(const QString& word) {
  if (word.isEmpty()) return false;
  if (word[0].isUpper()) return true;
  bool dot = false;
  for (qsizetype i = 0; i < word.size(); ++i) {
    const QChar c = word[i];
    if (c == QLatin1Char('.') && i > 0 && word[i - 1].isDigit()) {
      dot = true;
    } else if (!c.isDigit()) {
      return false;
    }
  }
  return dot && word[0].isDigit();
}
