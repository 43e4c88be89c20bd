#include "create/recognition.h"

#include <limits>

#include "djvused/script_dialect.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

qsizetype FirstNonDigit(const QByteArray& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return i;
  }
  return -1;
}

}  // namespace

std::optional<QByteArray> CleanDigits(QByteArrayView input) {
  QByteArray text = input.toByteArray();
  qsizetype i;
  while ((i = FirstNonDigit(text)) >= 0) {
    const bool digitBefore = i > 0 && IsDigit(text[i - 1]);
    const bool digitAfter = i + 1 < text.size() && IsDigit(text[i + 1]);
    if (digitBefore && digitAfter) return std::nullopt;
    text.remove(i, 1);
  }
  return text;
}

WordNumbers SplitWordNumbers(QByteArrayView input) {
  WordNumbers result;
  QByteArray text = input.toByteArray();
  qsizetype i;
  while ((i = FirstNonDigit(text)) >= 0) {
    if (i > 0 && result.numbers.size() < WordNumbers::kMaxWordNumbers) {
      if (const std::optional<int> number = DigitsNumber(text.left(i))) {
        result.numbers << *number;
      } else {
        ++result.oversized;
      }
    }
    text.remove(0, i + 1);
  }
  if (result.numbers.isEmpty()) {
    result.single = text;
  } else if (!text.isEmpty() && result.numbers.size() < WordNumbers::kMaxWordNumbers) {
    if (const std::optional<int> number = DigitsNumber(text)) {
      result.numbers << *number;
    } else {
      ++result.oversized;
    }
  }
  return result;
}

std::optional<int> DigitsNumber(QByteArrayView digits) {
  qint64 value = 0;
  for (const char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return digits.isEmpty() ? std::nullopt : std::optional<int>(int(value));
}

QByteArray DigitsAfterLastEscape(QByteArrayView text) {
  const QByteArrayView after = dialect::Mid(text, text.lastIndexOf('\\') + 1 + 3);
  QByteArray digits;
  for (const char c : after) {
    if (IsDigit(c)) digits += c;
  }
  return digits;
}

qint64 TargetPage(int number, int offset, bool halve) {
  return qint64(halve ? number / 2 : number) + offset;
}
