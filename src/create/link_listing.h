#pragma once
// The list of the links a create run makes on one document, for a person or
// a script to check: document page, printed number, target, area and the
// entry's text as a reader sees it (the printed lines under the area).
#include <QByteArray>
#include <QList>
#include <QString>

#include "create/link_writer.h"
#include "create/range_read.h"

struct ListedLink {
  int page = 0;     // the document page the link is on
  QString printed;  // the page number as printed
  qint64 target = 0;
  LinkArea area;
  QString text;
};

// The links of `pages` in the order they were made; `textPages` are the pages
// with hidden text, the writer's ordinals counting from 1. Throws InputError
// for a page's zone tree that does not read.
QList<ListedLink> ListLinks(const QList<PageLinks>& pages, const QList<const PageData*>& textPages);

// One tab-separated line per link: page, printed number, target, x, y, w, h, text.
QByteArray LinksAsTsv(const QList<ListedLink>& links);
// {"file": PATH, "links": [{"page", "printed", "target", "area": {x, y, w, h}, "text"}]}
QByteArray LinksAsJson(const QString& path, const QList<ListedLink>& links);
