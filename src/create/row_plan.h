#pragma once
// What a create-list row does to its book, worked out without writing
// anything: the range's pages read, the entries recognised and checked, the
// link script, the outline and the list of the links. The create run applies
// a plan; the dry run, --list/--json and the preview show one.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/front_end.h"
#include "create/link_listing.h"
#include "create/ocr_pages.h"
#include "create/outline_entries.h"
#include "djvused/book_pages.h"
#include "core/create_settings.h"
#include "djvused/djvused_runner.h"
#include "djvused/page_targets.h"
#include "parts/book_parts.h"

// What the plan needs of the run's options, read when the plan is made.
struct PlanOptions {
  bool removeOcr = false;  // the script first removes the hidden text of the whole document
  bool outline = false;    // the outline is made from the linked contents entries
  ExistingOutline existingOutline = ExistingOutline::Replace;  // what becomes of the book's own bookmarks
  bool dryRun = false;     // the plan is only shown: the outline's notes do not read the book's outline
  bool continuesLog = false;  // the log holds an earlier file's lines: this file's first line starts a new one
  OcrUse ocr = OcrUse::Off;   // automatic types: pages without hidden text read from their images
};

struct RowPlan {
  QString path;                  // djvused's document argument
  QByteArray componentList;      // the page list as read, for the save's check
  PageTargets targets;           // how the document's links name and find their pages
  QList<PageData> pages;         // the pages of the range the document has, as read
  QList<ListedLink> links;       // the links the plan makes, in order
  QList<ContentsEntry> outline;  // the bookmarks it makes; empty: none
  QByteArray script;             // the djvused script; empty: nothing is written
  QStringList notes;             // summary and warnings, logged after the file's lines
  QString linksMade;             // the summary's "links made" line among the notes, if any
  QString textRemoved;           // the notes' line of the pages whose hidden text is removed, if any
  QString partsFound;            // the whole-book type: the notes' line of the parts found and linked
  QList<BookPart> parts;         // the whole-book type: the parts found within the row's pages
};

// Reads the pages of the row's range from the book at `path` (already open
// for the run), logs the described reading lines on `frontEnd`, recognises
// the entries (asking the page-number question through `frontEnd` when its
// option is on) and builds the plan. Throws InputError when the range holds
// no page of the document, DjvusedError when djvused fails.
RowPlan PlanRow(FrontEnd& frontEnd, DjvusedRunner& runner, const QString& path, const CreateSettings& settings,
                const PlanOptions& options);
