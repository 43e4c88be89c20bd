#pragma once
// The outline of a create run: the contents entries that got a link, each
// with its title as the reader sees it and its place on the contents page,
// then the "set-outline" data and the log lines about it.
#include <QByteArray>
#include <QList>
#include <QStringList>

#include "core/front_end.h"
#include "create/link_writer.h"
#include "djvused/book_pages.h"
#include "page/text_layer.h"
#include "autolinks/contents_entry.h"

class DjvusedRunner;

// The entries in document order. `textPages` are the pages with hidden
// text, the writer's ordinals counting from 1.
QList<ContentsEntry> OutlineEntries(const QList<LinkedEntry>& linked, const QList<const PageData*>& textPages);

struct OutlinePlan {
  QByteArray data;              // the set-outline data; empty: the outline stays as it is
  QStringList notes;            // log lines after the file's described lines
  QList<ContentsEntry> entries;  // the bookmarks with their levels, in document order
};

// What to do with the book's own bookmarks, and whether the plan is only shown.
struct OutlineChoice {
  ExistingOutline existing = ExistingOutline::Replace;
  bool dryRun = false;  // the notes say what would happen
};

// The outline of the entries with their levels. The document's present
// outline is read (path: djvused's document argument): when it has bookmarks
// and the choice keeps them, no outline is written; the notes say which.
// The bookmarks name their pages as `targets` writes links.
OutlinePlan PlanOutline(DjvusedRunner& runner, const QString& path, const QList<LinkedEntry>& linked,
                        const QList<const PageData*>& textPages, const OutlineChoice& choice,
                        const PageTargets& targets);
