#include "parts/book_survey.h"

#include <algorithm>

#include "folios/book_folios.h"

BookSurvey SurveyBook(DjvusedRunner& runner, const QString& path, const SurveyedPageSink& eachPage) {
  BookSurvey survey;
  // Only the looks are kept of each page: the book's text never stays whole
  // in memory.
  survey.folios = ReadBookFolios(runner, path, [&](const PageData& page, const TextZone& zones, int pageCount) {
    survey.withText.append(page.number);
    if (eachPage) eachPage(page.number, zones);
    const PageLook look = LookOfPage(zones, page.number, pageCount);
    if (look.kind != PageKind::Other) survey.looks.append(look);
  }, &survey.componentList);
  survey.parts = FindBookParts(survey.looks, survey.folios.PageCount());
  return survey;
}

void AddPageLooks(BookSurvey& survey, const QList<PageLook>& looks) {
  survey.looks << looks;
  std::sort(survey.looks.begin(), survey.looks.end(), [](const PageLook& a, const PageLook& b) { return a.page < b.page; });
  survey.parts = FindBookParts(survey.looks, survey.folios.PageCount());
}
