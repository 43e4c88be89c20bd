#pragma once
// The create run's script: optionally the line that removes all hidden text,
// then one block per page that gets links (comment, the page selected by its
// number, "set-ant", the page's annotations with the new links, "."). A page
// that gets no link has no block and is not touched.
#include <QByteArray>
#include <QList>

struct PageEdit {
  int number = 0;           // the document's page number
  QByteArray annotations;   // the page's whole new annotation text
};

// `outline`, when not empty, is the data of a "set-outline" command that
// ends the script and replaces the document's outline.
QByteArray LinkScript(bool removeAllText, const QList<PageEdit>& pages, const QByteArray& outline = {});
