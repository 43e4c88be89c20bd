#pragma once
// What the preview window shows of one list row, read without writing
// anything: the pages of the row's range with their size, the link areas the
// row would get (made by the create run itself, as a dry run), the links the
// document already has, and the bookmarks; for a row of the fix list, the
// areas as they are and as the fix job would align them.
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include "core/create_job.h"
#include "core/front_end.h"
#include "create/link_listing.h"
#include "djvused/page_targets.h"
#include "autolinks/contents_entry.h"
#include "parts/book_parts.h"

class DjvusedRunner;

enum class AreaKind {
  New,              // a link the row would make
  InDocument,       // a link the document has now
  BeforeAlignment,  // fix list: an area as it is
  AfterAlignment,   // fix list: the same area aligned
};

struct PreviewArea {
  AreaKind kind = AreaKind::New;
  PageRect area;
  bool oval = false;
  QString url;             // "#7" or a page's id for a page of the book, or a web address
  int opened = 0;          // the page a viewer opens with it; 0: none, or a web address
  bool ambiguous = false;  // viewers differ on the page it opens
  int entry = -1;          // a new area: its entry in RowPreview::entries
  bool inDocument = false; // a new area the document already has, just so
  QString text;            // the words under an area the document has, from the page's hidden text
};

struct PreviewPage {
  int number = 0;  // the document page
  QSize size;      // in the page's own units (djvused's "size")
  QList<PreviewArea> areas;
  QString part;    // a whole-book row: the part the page belongs to ("Содержание 1 из 2"); else empty
};

// How the row's new links look: its shape, border and highlight colours
// ("#RRGGBB"; border empty when the row shows none).
struct PreviewStyle {
  bool oval = false;
  QString border;
  QString highlight;
};

struct RowPreview {
  QString path;
  QList<PreviewPage> pages;    // the pages of the range the document has
  QList<ListedLink> entries;   // the links the row would make, in order
  QList<ContentsEntry> outline;  // the bookmarks it would make (with "Создать закладки")
  PreviewStyle style;
  QStringList log;             // the dry run's log: its summary and warnings
  PageTargets targets;         // how the document's links find their pages
};

// The create list's row as "Создать" would make it: the create run on this
// row alone as a dry run, which locks the book while it reads but writes
// nothing. Its log says what would become of the book's own outline, by
// `existing`. Throws InputError with the run's own message when it stops.
RowPreview PreviewCreateRow(DjvusedRunner& runner, const CreateJob& row, bool outline,
                            ExistingOutline existing = ExistingOutline::Replace);

// The fix list's document: every page with links, its areas before and after
// the fix job's alignment (computed on the dump, never applied).
RowPreview PreviewFixRow(DjvusedRunner& runner, const QString& longPath);

// The name of the part of `parts` that holds document page `page`, as the
// preview labels its pages and entries: "Содержание", "Список таблиц",
// "Указатель"; numbered "Содержание 1 из 2" when the book has more lists of
// that kind, the main contents list marked "(основное)". Empty when no part
// holds the page.
QString PartName(const QList<BookPart>& parts, int page);

// The link targets of a page's annotation text: the maparea records with a
// box, in order, as areas of `kind`, each followed from `page` as a viewer
// follows it.
QList<PreviewArea> AnnotationAreas(QByteArrayView annotations, AreaKind kind, const PageTargets& targets, int page);

// The area's target as the preview labels it: the page a viewer opens ("13"),
// and when the URL reads as another page ("#8" opening page 13, a link to no
// page, viewers that disagree) what it says; a web address as it stands.
QString TargetText(const PreviewArea& area);

// Where an area of a page of `pageSize` lies on a picture of the page of
// `pictureSize` pixels: page units have their origin bottom left, pictures
// top left.
QRectF AreaOnPicture(const PageRect& area, QSize pageSize, QSizeF pictureSize);
