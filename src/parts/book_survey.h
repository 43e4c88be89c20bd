#pragma once
// A whole book surveyed in one read of its hidden text: its folio map (as
// "offsets" gives it) and its parts (contents lists, index).
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "folios/folio_map.h"
#include "parts/book_parts.h"

class DjvusedRunner;

struct BookSurvey {
  FolioMap folios;
  QList<BookPart> parts;
  // The pages that look like contents or index pages, in page order.
  QList<PageLook> looks;
  // The pages with hidden text, in page order.
  QList<int> withText;
  // The book's page list as djvused printed it ("-e ls").
  QByteArray componentList;
};

// Adds the looks of pages read otherwise (from their images) and finds the
// parts again from all of them.
void AddPageLooks(BookSurvey& survey, const QList<PageLook>& looks);

// Receives each page with hidden text as the survey parses it, for a reader
// that keeps more of the pages than the survey does.
using SurveyedPageSink = std::function<void(int page, const TextZone& zones)>;

// Has djvused dump the book's page list and hidden text once (through the
// runner) and reads each page as it arrives. Throws DjvusedError, IoError,
// and InputError for a page whose hidden text is not well formed.
BookSurvey SurveyBook(DjvusedRunner& runner, const QString& path, const SurveyedPageSink& eachPage = {});
