#pragma once
// The offset of a book that shows no page numbers (no running heads or feet
// with numbers, no numbered page titles), found from its contents instead: a
// chapter starts on a new page under its title, so the offset under which the
// most contents entries lead to pages that begin with their titles is the
// book's. Nothing when no offset stands out.
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "page/text_layer.h"

class DjvusedRunner;

// A contents entry as printed: its page number and its title.
struct TitledNumber {
  int printed = 0;
  QString title;
};

struct TitleOffset {
  int offset = 0;
  int matched = 0;  // entries whose page begins with their title under it
  int entries = 0;  // entries with words to look for
};

// The words of a page's first lines (at most four, page numbers and empty
// lines left out), where a chapter's title stands: kept for every page while
// a book is read, so the offset can be found without reading it again.
QString HeadingOf(const TextZone& page);

// The offset under which the most entries lead to a page whose heading
// (`headingOf`, empty for a page without text) holds the entry's title: at
// least two entries and a quarter of them, and more than under any other
// offset.
std::optional<TitleOffset> OffsetByTitles(const QList<TitledNumber>& entries, int pageCount,
                                          const std::function<QString(int page)>& headingOf);

// The heading of every page of the book with hidden text, by page number,
// from one streamed read of the book's text (as "offsets" reads it).
// Throws DjvusedError, IoError, InputError.
QHash<int, QString> ReadBookHeadings(DjvusedRunner& runner, const QString& path);

// The log's line: the offset found, or that none was.
QString TitleOffsetLine(const std::optional<TitleOffset>& found);
