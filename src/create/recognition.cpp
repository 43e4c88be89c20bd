#include "create/recognition.h"

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
      result.numbers << dialect::ParseInt32(text.left(i));
    }
    text.remove(0, i + 1);
  }
  if (result.numbers.isEmpty()) {
    result.single = text;
  } else if (!text.isEmpty() && result.numbers.size() < WordNumbers::kMaxWordNumbers) {
    result.numbers << dialect::ParseInt32(text);
  }
  return result;
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
