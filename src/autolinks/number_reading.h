#pragma once
// Reading printed page numbers out of the words of a contents or index line.
#include <QString>
#include <optional>

#include "page/numerals.h"

// Roman page numbers are front matter: i to lxxx.
constexpr int kLargestRomanPage = 80;

struct ReadNumber {
  int value = 0;
  bool roman = false;
  bool lookAlike = false;
  qsizetype start = 0, end = 0;  // the characters of the number in the word
};

// The page number that ends a contents entry's last word: digits after
// leaders or glued text ("Preface.....1", "3.1ProblemStatement.....19"),
// "15.", "(15)"; a Roman numeral standing alone or after leaders when
// `roman`; look-alike letters in a number after leaders or standing alone
// ("l5", "1S"), flagged. Never digits after a digit and a dot ("3.1"), a digit
// string with a leading zero, more than five digits, or digits followed by
// two dots or more (OCR leaders).
std::optional<ReadNumber> TrailingNumber(const QString& word, bool roman);

// A word that starts a new entry in a run-in contents line: a section number
// such as "2.4.2" or a capitalised word.
bool StartsEntry(const QString& word);
