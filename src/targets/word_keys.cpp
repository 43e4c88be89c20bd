#include "targets/word_keys.h"

#include <QSet>
#include <algorithm>
#include <array>

namespace targets {
namespace {

// Words that say nothing of what an entry is about, in the corpus's two
// languages.
const QSet<QString>& StopWords() {
  static const QSet<QString> words = [] {
    QSet<QString> set;
    for (const char* w : {"the", "and", "of", "in", "on", "for", "to", "an", "with", "by", "at", "from", "or", "as",
                          "is", "its", "into", "see", "also", "vs", "via", "und", "и", "в", "во", "на", "с", "со",
                          "к", "ко", "по", "о", "об", "обо", "от", "для", "из", "у", "не", "как", "при", "а", "но",
                          "или", "см", "также", "до", "за", "же", "что", "это"}) {
      set.insert(QString::fromUtf8(w));
    }
    return set;
  }();
  return words;
}

// Letters OCR reads for one another, folded to one: Cyrillic letters drawn
// like Latin ones become the Latin letter; 0 is o; 1, i, I, | and ! are l.
// A table over Latin and Cyrillic, as a whole book's words pass through it.
constexpr char16_t kFoldedRange = 0x0500;
QChar FoldLetter(QChar c) {
  static const std::array<char16_t, kFoldedRange> table = [] {
    std::array<char16_t, kFoldedRange> t{};
    for (char16_t u = 0; u < kFoldedRange; ++u) t[u] = u;
    const QString from = QString::fromUtf8("авеёкмнорстухіј0|!1i");
    const QString to = QString::fromUtf8("abeekmhopctyxijollll");
    for (qsizetype i = 0; i < from.size(); ++i) t[from[i].unicode()] = to[i].unicode();
    return t;
  }();
  return c.unicode() < kFoldedRange ? QChar(table[c.unicode()]) : c;
}

// Whether the word's characters are their own compatibility forms, in
// lower case as QChar::toLower gives it: ASCII and the Cyrillic letters. A
// ligature, a full-width letter, a superscript or a combining mark needs the
// whole normalisation.
bool PlainForms(QStringView word) {
  return std::all_of(word.begin(), word.end(), [](QChar c) {
    const char16_t u = c.unicode();
    return u < 0x00A0 || (u >= 0x0400 && u < 0x0483) || (u >= 0x048A && u < kFoldedRange);
  });
}

// Words this long or longer are compared by their first letters.
constexpr qsizetype kLongWord = kLongestShortKey + 1;
// The shortest long word keeps all but its last letter.
static_assert(kLongWord - 1 == kShortestLongKey);

}  // namespace

void FoldWordInto(QStringView word, QString& folded) {
  folded.resize(0);  // keeps its room for the next word
  const bool plain = PlainForms(word);
  const QString normal = plain ? QString() : word.toString().normalized(QString::NormalizationForm_KC).toLower();
  const QStringView letters = plain ? word : QStringView(normal);
  bool anyLetter = false;
  for (QChar c : letters) {
    if (plain) c = c.toLower();
    anyLetter = anyLetter || c.isLetter();
    const QChar f = FoldLetter(c);
    if (f.isLetter()) folded += f;
  }
  if (!anyLetter) {
    folded.resize(0);
    return;
  }
  if (folded.contains(QLatin1String("rn"))) folded.replace(QLatin1String("rn"), QLatin1String("m"));
}

QString FoldWord(const QString& word) {
  QString folded;
  folded.reserve(word.size());
  FoldWordInto(word, folded);
  return folded;
}

QStringList KeyWords(const QString& text) {
  QStringList keys;
  QString word;
  const auto take = [&] {
    const QString lower = word.toLower();
    word.clear();
    if (StopWords().contains(lower)) return;
    const QString folded = FoldWord(lower);
    if (folded.size() < kShortestKey) return;
    const QString key = folded.size() >= kLongWord
                            ? folded.left(qMin(kLongestKey, folded.size() - 1 - (folded.size() > kLongWord ? 1 : 0)))
                            : folded + QChar(kWholeWord);
    if (!keys.contains(key)) keys << key;
  };
  for (const QChar c : text) {
    // Words are split at blanks and at the punctuation between words; a
    // hyphen or apostrophe stays inside its word.
    if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('\'') || c == QChar(0x2019)) {
      word += c;
    } else if (!word.isEmpty()) {
      take();
    }
  }
  if (!word.isEmpty()) take();
  return keys;
}

}  // namespace targets
