#include "support/parts_book.h"

#include <QRegularExpression>
#include <stdexcept>

#include "support/djvu_documents.h"

namespace parts_book {

namespace {

using testdocs::Line;
using testdocs::TextLine;

constexpr int kTop = 1560;  // the first line under a heading
constexpr int kLineStep = 60;

TextLine Heading(const QString& text) { return Line(1640, text, 300); }
TextLine Foot(int printed) { return Line(60, QString::number(printed), 600); }

QList<TextLine> Body(int page) {
  QList<TextLine> lines;
  const QStringList prose = {QStringLiteral("Текст главы о свойствах книги и её частях"),
                             QStringLiteral("продолжается здесь без всяких номеров"),
                             QStringLiteral("и заканчивается словами страницы")};
  for (int i = 0; i < 12; ++i) lines << Line(kTop - kLineStep * i, prose[(page + i) % prose.size()]);
  return lines;
}

// A list's entries "Раздел k Название ........ N", numbers from `first`.
QList<TextLine> Entries(const QString& word, int count, int& number, int step) {
  QList<TextLine> lines;
  for (int i = 0; i < count; ++i, number += step) {
    lines << Line(kTop - kLineStep * (i + 1),
                  QStringLiteral("%1 %2 Название части ........ %3").arg(word).arg(i + 1).arg(number));
  }
  return lines;
}

// Two columns of index lines "термин, 12, 45", the terms in alphabetical order.
QList<TextLine> IndexColumns(int seed) {
  static const QStringList terms = {
      QStringLiteral("абзац"),  QStringLiteral("буква"),   QStringLiteral("вёрстка"), QStringLiteral("глава"),
      QStringLiteral("данные"), QStringLiteral("ёмкость"), QStringLiteral("жанр"),    QStringLiteral("знак"),
      QStringLiteral("индекс"), QStringLiteral("кегль"),   QStringLiteral("лист"),    QStringLiteral("макет"),
      QStringLiteral("набор"),  QStringLiteral("оттиск"),  QStringLiteral("полоса"),  QStringLiteral("раздел"),
      QStringLiteral("строка"), QStringLiteral("текст"),   QStringLiteral("узел"),    QStringLiteral("формат"),
      QStringLiteral("шрифт"),  QStringLiteral("этап"),    QStringLiteral("язык"),    QStringLiteral("ячейка")};
  QList<TextLine> lines;
  for (int i = 0; i < terms.size(); ++i) {
    const int a = (seed * 7 + i * 13) % 40 + 3, b = a + (i % 5) + 2;
    const QString text = i % 3 == 0 ? QStringLiteral("%1, %2").arg(terms[i]).arg(a)
                                    : QStringLiteral("%1, %2, %3").arg(terms[i]).arg(a).arg(b);
    const int row = i % 12;
    lines << Line(kTop - kLineStep * (row + 1), text, i < 12 ? 100 : 700);
  }
  return lines;
}

}  // namespace

void Build(const QString& path, const QString& layout, const QString& indexHeading) {
  QList<testdocs::Page> pages;
  static const QRegularExpression run(QStringLiteral("^([tbcsfi])([0-9]+)$"));
  for (const QString& token : layout.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QRegularExpressionMatch m = run.match(token);
    if (!m.hasMatch()) throw std::runtime_error("unreadable layout run: " + token.toStdString());
    const QChar kind = m.captured(1)[0];
    int number = 1;
    for (int i = 0; i < m.captured(2).toInt(); ++i) {
      const int page = int(pages.size()) + 1;
      QList<TextLine> lines;
      if (kind == QLatin1Char('t')) {
        lines << Line(1200, QStringLiteral("ЗАГЛАВИЕ КНИГИ"), 300);
      } else if (kind == QLatin1Char('b')) {
        lines << Body(page) << Foot(page - kOffset);
      } else if (kind == QLatin1Char('c')) {
        if (i == 0) lines << Heading(QStringLiteral("Содержание"));
        lines << Entries(QStringLiteral("Раздел"), kEntriesPerPage, number, kStep);
      } else if (kind == QLatin1Char('s')) {
        lines << Heading(QStringLiteral("Краткое содержание")) << Entries(QStringLiteral("Глава"), 5, number, 9);
      } else if (kind == QLatin1Char('f')) {
        if (i == 0) lines << Heading(QStringLiteral("Список иллюстраций"));
        lines << Entries(QStringLiteral("Рисунок"), 8, number, 3);
      } else {
        if (i == 0) lines << Heading(indexHeading);
        lines << IndexColumns(page) << Foot(page - kOffset);
      }
      pages << testdocs::Page{testdocs::PageText(lines), {}};
    }
  }
  testdocs::BuildDocument(path, pages);
}

}  // namespace parts_book
