#include "app/whole_book_row.h"

#include <QCoreApplication>
#include <algorithm>

#include "create/book_links.h"
#include "djvused/book_session.h"
#include "djvused/djvused_runner.h"
#include "parts/book_survey.h"

FoundBook FindWholeBook(DjvusedRunner& runner, const QString& longPath) {
  BookSession::RequireBook(longPath, QCoreApplication::translate("CreateRun", "Файл не найден: %1").arg(longPath));
  const BookSurvey survey = SurveyBook(runner, DjvusedRunner::ShortPathOf(longPath));
  return {survey.parts, survey.folios.MainOffset()};
}

CreateSettings WholeBookSettings(CreateSettings settings, const FoundBook& found) {
  if (found.parts.isEmpty()) return settings;
  settings.workType = WorkType::Book;
  settings.firstPage = found.parts.first().firstPage;
  settings.lastPage = std::max_element(found.parts.cbegin(), found.parts.cend(), [](const BookPart& a, const BookPart& b) {
                        return a.lastPage < b.lastPage;
                      })->lastPage;
  if (!settings.bookNumbers && found.mainOffset) settings.offset = *found.mainOffset;
  return settings;
}

QString FoundBookLine(const FoundBook& found, const CreateSettings& settings) {
  if (found.parts.isEmpty()) return NothingFoundLine();
  // The offset the run would name: the book's own with its page numbers, else the row's.
  return BookPartsLine(found.parts, settings.bookNumbers ? found.mainOffset : std::optional<int>(settings.offset));
}
