#pragma once
// "Найти всё": a book surveyed for a whole-book row, and the row's settings
// filled from what the survey found.
#include <QList>
#include <QString>
#include <optional>

#include "core/create_settings.h"
#include "parts/book_parts.h"

class DjvusedRunner;

struct FoundBook {
  QList<BookPart> parts;          // in page order; empty: neither contents nor index
  std::optional<int> mainOffset;  // none when the book shows no page numbers
};

// Surveys the book at longPath with one read of its hidden text. Throws
// InputError when the file is missing, DjvusedError when djvused fails.
FoundBook FindWholeBook(DjvusedRunner& runner, const QString& longPath);

// `settings` made a whole-book row over the parts found: the work type
// "Книга целиком (авто)", pages from the first part's first page to the last
// part's last, and the book's main offset unless the row takes its targets
// from the book's page numbers (or the book shows none). Nothing found: the
// settings as they are.
CreateSettings WholeBookSettings(CreateSettings settings, const FoundBook& found);

// What was found, in the words of the whole-book run's line without its link
// count, for the row's `settings` as WholeBookSettings filled them; or that
// nothing was.
QString FoundBookLine(const FoundBook& found, const CreateSettings& settings);
