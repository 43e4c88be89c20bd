#pragma once
// The list of the links a create run makes on one document, for a person or
// a script to check: document page, printed number, target, area and the
// entry's text as a reader sees it (the printed lines under the area).
#include <QByteArray>
#include <QList>
#include <QString>

#include "create/link_writer.h"
#include "djvused/book_pages.h"
#include "djvused/page_targets.h"
#include "autolinks/contents_entry.h"
#include "page/printed_lines.h"

// A made link as listed (its page and text filled in), with what a viewer
// does with it.
struct ListedLink : MadeLink {
  int level = 0;  // the entry's outline level when an outline is made, else 0
  QByteArray url;  // as written, unquoted: "#8", or "#p0008.djvu"
  int opened = 0;  // the page a viewer opens with it (0: none)
};

// The words under the area, line by line, each line's words led by those
// left of the area up to a wide gap: an index number gets its heading, not
// the other column's entry beside it.
QString TextUnder(const QList<PrintedLine>& lines, const PageRect& area);

// The links of `pages` in the order they were made; `textPages` are the pages
// with hidden text, the writer's ordinals counting from 1; `targets` writes
// and follows the URLs. Throws InputError for a page's zone tree that does
// not read.
QList<ListedLink> ListLinks(const QList<PageLinks>& pages, const QList<const PageData*>& textPages,
                            const PageTargets& targets);

// For each bookmark, the index of the link made from the same entry, or -1:
// the bookmarks follow the links' order, matched by page and target.
QList<qsizetype> BookmarkedLinks(const QList<ListedLink>& links, const QList<ContentsEntry>& bookmarks);
// Marks each link with the level of the bookmark made from its entry.
void MarkLevels(QList<ListedLink>& links, const QList<ContentsEntry>& bookmarks);

// One tab-separated line per link: page, printed number, target (the page a
// viewer opens), x, y, w, h, text, the level when the links are marked with
// levels, and the URL.
QByteArray LinksAsTsv(const QList<ListedLink>& links);
// {"file": PATH, "links": [{"page", "printed", "target", "area": {x, y, w, h}, "text", "url"}]}
QByteArray LinksAsJson(const QString& path, const QList<ListedLink>& links);
