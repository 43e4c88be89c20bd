#pragma once
// The folio map of a whole document, from its hidden-text dump.
#include <QByteArrayView>
#include <QString>

#include "folios/folio_map.h"

class DjvusedRunner;

// Reads every page of a whole-document "-e output-txt" dump. Throws
// InputError when a page's hidden text is not a well-formed zone tree.
FolioMap FolioMapOfDump(QByteArrayView dump, int pageCount);

// The map of the pages' titles when they are the printed numbers; otherwise
// has djvused dump the document's hidden text and count its pages (through
// the runner), and builds the map. Throws DjvusedError, IoError, InputError.
FolioMap ReadBookFolios(DjvusedRunner& runner, const QString& path);
