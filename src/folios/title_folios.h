#pragma once
// The book's own page numbers from its pages' titles: a book made from a
// typeset original, or numbered by a person, titles each page with its printed
// number ("i", "ii", "1", "2", ...). Such titles are exact where reading the
// running heads and feet is a guess, so they are used first.
#include <QList>
#include <optional>

#include "djvused/component_list.h"
#include "folios/folio_map.h"

// The folio of each page whose title is a plain number or a Roman numeral in
// one case; other titles ("Cover", "A-3"), untitled pages and pages titled
// with their own place in the document ("7" on page 7) give none.
QList<PageFolios> TitleFolios(const QList<ComponentLine>& components);

// The folio map of the titles, when at least one run of titles agrees with
// the pages around it; nothing otherwise (the heads and feet are read then).
std::optional<FolioMap> TitleFolioMap(const QList<ComponentLine>& components);
