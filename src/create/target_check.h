#pragma once
// The automatic types' links checked against the book's own text before they
// are written: the text of every page the row's entries lead to, read with
// one djvused call, must hold the entry's words. A number whose page does
// not is corrected to the one-digit change OCR may have made, read again from
// the page image, or left unlinked; the log says which.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "create/auto_page_links.h"
#include "djvused/djvused_runner.h"
#include "targets/page_text.h"

struct TargetCheckInput {
  QString path;                // djvused's document argument, also ddjvu's
  QList<PageData> read;        // the pages the row has read already: their text is not read again
  const AutoPageLinks* links;  // gives the target of a number tried
  int pageCount = 0;           // the document's pages
  // The words of every page of the book, folded as the whole-book survey
  // read them (a page not in it has no hidden text): nothing is read again.
  const QHash<int, targets::PageText>* known = nullptr;
};

// Checks and corrects the entries of `pages` in place, dropping those left
// doubtful. Gives the log lines of what it changed (none when nothing).
// Throws DjvusedError when djvused cannot read the pages.
QStringList CheckEntryTargets(QList<PageEntries>& pages, DjvusedRunner& runner, const TargetCheckInput& input);
