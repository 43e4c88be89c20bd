#include "outline/outline_title.h"

#include <QRegularExpression>

#include "autolinks/auto_contents.h"

QString OutlineTitle(const QStringList& words) {
  static const QRegularExpression kBlanks(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
  QStringList split;
  for (const QString& word : words) split += word.split(kBlanks, Qt::SkipEmptyParts);
  // A section number whose last part the text layer set apart ("5.4" ".1").
  static const QRegularExpression sectionNumber(QStringLiteral("^\\d+(\\.\\d+)*$"));
  static const QRegularExpression lastPart(QStringLiteral("^\\.\\d+$"));
  while (split.size() >= 2 && sectionNumber.match(split[0]).hasMatch() && lastPart.match(split[1]).hasMatch()) {
    split[0] += split.takeAt(1);
  }
  QString title = ContentsTitle(split);
  // OCR's reading of the leaders further on ("Sectioning... не неее ние",
  // "structure. ....... nee eee ene"): from the first run of dots on, only
  // dots, digits, punctuation and the letters it reads dots as.
  static const QRegularExpression noise(
      QStringLiteral("^[\\s.·…,:;'\"‚„+_0-9ceonstarbеёнитьыаяо\\x{2013}\\x{2014}-]*$"),
      QRegularExpression::UseUnicodePropertiesOption);
  const qsizetype dots = title.indexOf(QStringLiteral(".."));
  if (dots > 0 && noise.match(QStringView(title).mid(dots)).hasMatch()) title.truncate(dots);
  // Punctuation and dashes that separated the title from its page number.
  static const QRegularExpression before(QStringLiteral("[\\s.,;:\\x{2013}\\x{2014}\\x{2012}\\x{2015}(]+$"));
  title.remove(before);
  // A hyphen stays when it ends a word ("Вот-"), a dash set apart does not.
  if (title.endsWith(QStringLiteral(" -"))) title.chop(2);
  return title.trimmed();
}

QString WithoutPageNumber(const QString& lastWord) {
  static const QRegularExpression number(QStringLiteral("\\(?\\d+\\)?[.,;:]?$"));
  QString word = lastWord;
  word.remove(number);
  return word;
}
