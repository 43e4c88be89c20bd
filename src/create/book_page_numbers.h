#pragma once
// The book's printed page numbers as the create run reads them: the pages'
// titles when they are the printed numbers, otherwise the folio map from a
// sample of the document's pages, each round of the sample read with one
// djvused call, so a run pays for a small part of the book's hidden text.
#include <QString>
#include <QStringList>
#include <optional>

#include "create/link_writer.h"
#include "djvused/component_list.h"
#include "folios/folio_map.h"
#include "folios/folio_targets.h"

class DjvusedRunner;

// Throws DjvusedError when djvused fails or its output is not whole, and
// InputError for a page's zone tree that is not well formed.
// `components`: the document's "-e ls".
FolioMap ReadBookPageNumbers(DjvusedRunner& runner, const QString& shortPath, const QList<ComponentLine>& components);

// The check of a fixed offset: the folios of the pages around a few of the
// links' targets (spread over them), read with one djvused call, each link
// whose target was read checked against the folio of its page. Nothing is
// read when there is no link. Where the pages' titles are their printed
// numbers, those are the folios and no hidden text is read. When djvused
// cannot read them all, they are read one by one and those it cannot read
// are left out of the check and added to `unreadable`.
FolioTargets CheckOffset(DjvusedRunner& runner, const QString& shortPath, const QList<ComponentLine>& components,
                         const QList<PageLinks>& links, QList<int>* unreadable);

// The offset of a book for the pages after `afterPage` (0: the whole book),
// as the button beside the offset finds it.
struct FoundOffset {
  std::optional<int> offset;  // nothing: the book shows no page numbers
  bool changes = false;       // the book has more than one offset
  QStringList map;            // the map in lines a person can check
};
// Throws InputError when the file is missing or no document, DjvusedError
// when djvused fails.
FoundOffset FindBookOffset(DjvusedRunner& runner, const QString& longPath, int afterPage);
