#pragma once
// The outline of a create run: the contents entries that got a link, each
// with its title as the reader sees it and its place on the contents page,
// then the "set-outline" data and the log lines about it.
#include <QByteArray>
#include <QList>
#include <QStringList>

#include "create/link_writer.h"
#include "djvused/book_pages.h"
#include "page/text_layer.h"
#include "outline/outline_entry.h"

class DjvusedRunner;

// The entries in document order. `textPages` are the pages with hidden
// text, the writer's ordinals counting from 1.
QList<OutlineEntry> OutlineEntries(const QList<LinkedEntry>& linked, const QList<const PageData*>& textPages);

struct OutlinePlan {
  QByteArray data;              // the set-outline data; empty: the outline stays as it is
  QStringList notes;            // log lines after the file's described lines
  QList<OutlineEntry> entries;  // the bookmarks with their levels, in document order
};

// The outline of the entries with their levels. Unless `dryRun`, the
// document's present outline is read (path: djvused's document argument) to
// say in the log that it is replaced. The bookmarks name their pages as
// `targets` writes links.
OutlinePlan PlanOutline(DjvusedRunner& runner, const QString& path, const QList<LinkedEntry>& linked,
                        const QList<const PageData*>& textPages, bool dryRun, const PageTargets& targets);
