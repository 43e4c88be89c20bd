#pragma once
// The outline in djvused's script language: the data of "set-outline" (a
// "bookmarks" expression, each bookmark's children inside it), and the
// number of bookmarks in what "print-outline" prints.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include "djvused/page_targets.h"
#include "autolinks/contents_entry.h"

// The "(bookmarks ...)" expression of the entries, nested by their levels
// (each entry's level at most one below the one before it), one bookmark a
// line. Titles are quoted as djvused quotes strings (bytes from 0x80 up as
// octal escapes), so the data reads the same in any locale. Each bookmark
// names its page as `targets` writes links.
QByteArray OutlineData(const QList<ContentsEntry>& entries, const PageTargets& targets = PageTargets());

// The bookmarks of a document's outline as "print-outline" prints it: 0 for
// an empty output or "(bookmarks )".
int BookmarkCount(QByteArrayView printed);
