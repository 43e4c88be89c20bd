#pragma once
// Hidden-text dumps written the way djvused 3.5.28 writes them, for the tests
// that feed the scan text without running djvused.
#include <QByteArray>
#include <QList>

#include "support/djvu_documents.h"

namespace testdocs {

// A word text as djvused escapes it: bytes from 0x80 up as three octal digits.
QByteArray DumpQuoted(const QString& text);

// "select; remove-txt", then per page (ids p1.djvu, ...) the comment, the
// selection line, set-txt, the zones, an empty line and ".". A page with no
// lines has no text and is left out, as djvused leaves it out.
QByteArray TextDump(const QList<QList<TextLine>>& pages);

}  // namespace testdocs
