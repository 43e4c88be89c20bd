#pragma once
// Books whose pages show printed text and have no hidden text, as a scan
// that was never recognised: drawn with Qt in a plain serif type, encoded
// with cjb2 and bundled with djvm, so a test knows every word on the page.
#include <QMap>
#include <QString>
#include <QStringList>

namespace testdocs {

// Writes a book of `pageCount` pages at `path`; the first shows `lines`, one
// under another from near the top, the others are blank. Throws
// std::runtime_error when a tool fails.
void BookOfPrintedLines(const QString& path, const QStringList& lines, int pageCount);

// The same with printed lines on any pages: `pages` maps a page number to
// its lines; the pages it leaves out are blank.
void BookOfPrintedPages(const QString& path, const QMap<int, QStringList>& pages, int pageCount);

}  // namespace testdocs
