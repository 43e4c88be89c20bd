#pragma once
// Books whose pages show printed text, drawn with Qt in a plain serif type,
// encoded with cjb2 and bundled with djvm, so a test knows every word on the
// page: without hidden text, as a scan that was never recognised, or with the
// drawn words as hidden text at their places, some of them misread.
#include <QMap>
#include <QString>
#include <QStringList>

namespace testdocs {

// Writes a book of `pageCount` pages at `path`; the first shows `lines`, one
// under another from near the top, the others are blank. Throws
// std::runtime_error when a tool fails.
void BookOfPrintedLines(const QString& path, const QStringList& lines, int pageCount);

struct PrintedPage {
  QStringList lines;               // drawn one under another from near the top
  bool hiddenText = false;         // the page carries its words (if any) as hidden text, each over its picture
  QMap<QString, QString> misread;  // a drawn word and the word the hidden text holds in its place
};

// Writes a book of the pages at `path`.
void BookOfPrintedPages(const QString& path, const QList<PrintedPage>& pages);

}  // namespace testdocs
