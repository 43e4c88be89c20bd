#pragma once
// Turning the text of a hidden-text word into page numbers.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

#include "core/create_settings.h"

// Contents and the first index mode: removes every character that is not a
// digit, unless it stands between two digits (1.5, 12-14, 2a3), in which case
// the word is no page number (nullopt). "....15" and "(15)" give "15".
std::optional<QByteArray> CleanDigits(QByteArrayView text);

// The second index mode, for a word of plain characters: the numbers of a word
// such as "12,15,20" (at most kMaxWordNumbers), or, for a word holding a single
// number, its digits in `single` with `numbers` empty.
struct WordNumbers {
  static constexpr int kMaxWordNumbers = 100;
  QList<int> numbers;
  QByteArray single;
  int oversized = 0;  // digit strings too long for 32 bits, skipped
};
WordNumbers SplitWordNumbers(QByteArrayView text);

// A string of digits as a page number; nothing when it does not fit a 32-bit
// whole number (such a word is never a page number).
std::optional<int> DigitsNumber(QByteArrayView digits);

// The second index mode, for a word holding escaped (non-ASCII) characters:
// the digits after its last escape.
QByteArray DigitsAfterLastEscape(QByteArrayView text);

// The page a link leads to: the printed number, halved with the fraction
// dropped when asked, plus the signed offset.
qint64 TargetPage(int number, int offset, bool halve);

// The bullet character (U+2022) as the dump escapes its last two bytes.
inline constexpr QByteArrayView kBulletBytes = "\\200\\242";
