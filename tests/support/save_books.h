#pragma once
// The books the save tests work on: a contents page (page 2, three entries
// up to page 15) in a bundled book or an indirect one, and what tells one
// state of such a book from another.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include "support/djvu_documents.h"

namespace testdocs {

// Page 2 a contents page whose entries lead to pages 3, 7 and 15; page 3
// text; blank pages up to 15.
QList<Page> ContentsBook();

// Converts a bundled book into an indirect one in `folder` (made if needed);
// returns the index's path.
QString MakeIndirect(const QString& bundled, const QString& folder, const QString& index = QStringLiteral("index.djvu"));

// Every file of a folder (hidden ones too, not the folders) and its bytes.
QMap<QString, QByteArray> FilesOf(const QString& folder);

// What a reader sees of a book: every page's annotations and hidden text.
QByteArray Contents(const QString& book);

// Whether djvused opens a file and walks all of it.
bool Opens(const QString& file);

}  // namespace testdocs
