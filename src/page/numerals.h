#pragma once
// Numerals as they stand on a printed page: ASCII digits, dashes, Roman
// numerals, and the letters OCR reads in place of a digit or a Roman letter.
// The one place that reads and writes them; folios and the recognisers use it.
#include <QChar>
#include <QString>
#include <optional>

// 0 to 9 only.
inline bool IsAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// Hyphen, dashes, and the control character OCR and PDF text leave for a
// lost dash ("38\02540").
inline bool IsDash(QChar c) {
  return c == QLatin1Char('-') || c == QChar(0x2010) || c == QChar(0x2011) || c == QChar(0x2012) ||
         c == QChar(0x2013) || c == QChar(0x2014) || c == QChar(0x2212) || (c.unicode() < 0x20 && c.unicode() != '\t');
}

// The value of a Roman numeral in one case throughout, written the usual way
// (iv, not iiii), from i up to `largest`; nothing otherwise.
std::optional<int> RomanValue(const QString& text, int largest = 3999);
// The lower-case Roman numeral of a positive value.
QString RomanNumeral(int value);

// Which letters count as a digit.
enum class LookAlikes {
  // Only the surest: O and o (Latin and Cyrillic) for 0; l, I and | for 1.
  Surest,
  // Every letter OCR often reads for a digit: also i and ! for 1, Q and D for
  // 0, S and s for 5, A for 4, B for 8, Z and z for 2, G and b for 6, g and q
  // for 9, T for 7. Cyrillic О is not among them.
  Common,
};
// The digit a letter stands for, or nothing.
std::optional<int> LookAlikeDigit(QChar c, LookAlikes set);

// A Cyrillic letter that OCR reads for a Latin Roman letter (І, Х, С, М and
// their small forms) turned into that letter; any other character as it is.
QChar LatinLookAlike(QChar c);
