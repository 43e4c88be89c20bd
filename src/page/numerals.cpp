#include "page/numerals.h"

#include <QRegularExpression>
#include <algorithm>

std::optional<int> RomanValue(const QString& text, int largest) {
  static const QRegularExpression roman(
      QStringLiteral("^m{0,3}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})$"));
  const QString lower = text.toLower();
  if (text != lower && text != text.toUpper()) return std::nullopt;  // one case throughout
  if (lower.isEmpty() || !roman.match(lower).hasMatch()) return std::nullopt;
  static const struct { char letter; int value; } kValues[] = {
      {'i', 1}, {'v', 5}, {'x', 10}, {'l', 50}, {'c', 100}, {'d', 500}, {'m', 1000}};
  int total = 0, previous = 0;
  for (qsizetype i = lower.size() - 1; i >= 0; --i) {
    int value = 0;
    for (const auto& v : kValues) {
      if (lower[i] == QLatin1Char(v.letter)) value = v.value;
    }
    total += value < previous ? -value : value;
    previous = std::max(previous, value);
  }
  if (total > largest) return std::nullopt;
  return total;
}

QString RomanNumeral(int value) {
  static const struct { int value; const char* letters; } kParts[] = {
      {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
      {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
  QString text;
  for (const auto& part : kParts) {
    while (value >= part.value) {
      text += QLatin1String(part.letters);
      value -= part.value;
    }
  }
  return text;
}

std::optional<int> LookAlikeDigit(QChar c, LookAlikes set) {
  switch (c.unicode()) {
    case 'l': case 'I': case '|': return 1;
    case 'O': case 'o': return 0;
    case 0x041E: case 0x043E: return set == LookAlikes::Surest ? std::optional<int>(0) : std::nullopt;  // О о
    default: break;
  }
  if (set == LookAlikes::Surest) return std::nullopt;
  switch (c.unicode()) {
    case 'i': case '!': return 1;
    case 'Q': case 'D': return 0;
    case 'S': case 's': return 5;
    case 'A': return 4;
    case 'B': return 8;
    case 'Z': case 'z': return 2;
    case 'G': case 'b': return 6;
    case 'g': case 'q': return 9;
    case 'T': return 7;
    default: return std::nullopt;
  }
}

QChar LatinLookAlike(QChar c) {
  switch (c.unicode()) {
    case 0x0406: return QLatin1Char('I');  // І
    case 0x0456: return QLatin1Char('i');  // і
    case 0x0425: return QLatin1Char('X');  // Х
    case 0x0445: return QLatin1Char('x');  // х
    case 0x0421: return QLatin1Char('C');  // С
    case 0x0441: return QLatin1Char('c');  // с
    case 0x041C: return QLatin1Char('M');  // М
    default: return c;
  }
}
