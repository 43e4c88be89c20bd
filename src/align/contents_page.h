#pragma once
// Which pages the fix job aligns: those whose internal links form contents
// entries. On a page with hidden text every area must reach from an entry's
// text to its number (it covers a word that is no number and the number that
// ends a line it covers), and no text line may be covered by two areas. On a
// page without hidden text only the second test can be made, on the areas
// themselves: at most one area per line and column. An index page (areas over
// single numbers, several areas on one line) or a page of run-in entries fails
// and keeps its links where they are.
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

#include "align/fix_script.h"
#include "djvused/book_pages.h"
#include "page/printed_lines.h"

namespace align {

// The internal-link areas of one block of an annotation dump, as boxes.
QList<PageRect> SectionAreas(const QList<QByteArray>& lines, const DumpSection& section);

// `lines`: the page's printed lines; empty for a page without hidden text.
bool FormsContentsEntries(const QList<PageRect>& areas, const QList<PrintedLine>& lines);

// Which of the changed blocks of the dump the fix job writes.
struct SectionChoice {
  QSet<QByteArray> written;    // by component name
  QList<int> leftPages;        // pages whose links are not contents entries
  QStringList leftComponents;  // other components with links (shared annotations): never aligned
};
// With `only`, the pages named there are written (the create run's own
// contents pages) and nothing is read; otherwise every changed page is judged
// by its hidden text, which `readPages` reads for all of them at once.
using PagesReader = std::function<QList<PageData>(const QList<int>& numbers)>;
SectionChoice ChooseSections(const QList<QByteArray>& before, const QList<DumpSection>& changed,
                             const std::optional<QList<int>>& only, const PagesReader& readPages);

}  // namespace align
