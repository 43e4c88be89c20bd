#include "parts/book_survey.h"

#include "folios/book_folios.h"

BookSurvey SurveyBook(DjvusedRunner& runner, const QString& path) {
  BookSurvey survey;
  // Only the looks are kept of each page: the book's text never stays whole
  // in memory.
  survey.folios = ReadBookFolios(runner, path, [&](const PageData& page, int pageCount) {
    const PageLook look = LookOfPage(ParseTextLayer(page.text), page.number, pageCount);
    if (look.kind != PageKind::Other) survey.looks.append(look);
  });
  survey.parts = FindBookParts(survey.looks, survey.folios.PageCount());
  return survey;
}
