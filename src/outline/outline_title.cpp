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
  // Punctuation and dashes that separated the title from its page number.
  static const QRegularExpression before(QStringLiteral("[\\s,;:\\x{2013}\\x{2014}\\x{2012}\\x{2015}(]+$"));
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
