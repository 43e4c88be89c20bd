#pragma once
// Words folded for comparing a printed entry with the text of another page:
// case, inflection (a long word compared by its first letters) and the
// letters OCR takes for one another (rn and m, 0 and o, 1, l and I, Cyrillic
// letters drawn like Latin ones) all fold to one key.
#include <QString>
#include <QStringList>

namespace targets {

// A word folded: lower case, look-alikes made one letter, everything but
// letters dropped. Empty for a word without letters.
QString FoldWord(const QString& word);
// The same into `folded`, whose room is kept for the next word: a page's
// words are folded one after another without a string each.
void FoldWordInto(QStringView word, QString& folded);

// The keys of the words of an entry's text that say what it is about: no
// numbers, no stop words, no single letters. A long word's key is its
// first letters (inflection changes the end); a short word's key is the
// whole word.
QStringList KeyWords(const QString& text);

// What a key holds. A long word's key is its first letters, 4 or 5 of them:
// a page word that starts with them is the word. A short word's key is the
// whole word, 2 to 4 letters, marked by kWholeWord at its end: a page word
// that starts with it and is at most kShortKeyGrowth letters longer (a
// plural) is the word.
inline constexpr qsizetype kShortestKey = 2, kLongestShortKey = 4, kShortKeyGrowth = 2;
inline constexpr qsizetype kShortestLongKey = 4, kLongestKey = 5;
inline constexpr char16_t kWholeWord = u'$';

}  // namespace targets
