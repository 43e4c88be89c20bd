#pragma once
// The folio map of a whole document, from its hidden-text dump.
#include <QByteArrayView>
#include <QString>
#include <functional>

#include "folios/folio_map.h"
#include "page/text_layer.h"

class DjvusedRunner;

// Reads every page of a whole-document "-e output-txt" dump. Throws
// InputError when a page's hidden text is not a well-formed zone tree.
FolioMap FolioMapOfDump(QByteArrayView dump, int pageCount);

// Receives each page of the dump with hidden text, in page order, while
// djvused is still dumping the later ones, its zones parsed (once, for the
// folios as well), and the book's page count.
using PageTextSink = std::function<void(const PageData& page, const TextZone& zones, int pageCount)>;

// The map of the pages' titles when they are the printed numbers; otherwise
// has djvused dump the document's hidden text and count its pages (through
// the runner), and builds the map. With `eachPage`, the whole dump is read
// (titles or not) and every page with hidden text goes to it: one djvused
// call serves a reader of the whole book's text as well. With
// `componentList`, the page list is kept there as djvused printed it ("-e
// ls"), so a caller needs no call of its own for it. Throws DjvusedError,
// IoError, InputError (also one thrown by `eachPage`).
FolioMap ReadBookFolios(DjvusedRunner& runner, const QString& path, const PageTextSink& eachPage = {},
                        QByteArray* componentList = nullptr);
