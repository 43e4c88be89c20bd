#pragma once
// A page's hidden text as a tree of zones, read from the text djvused prints
// for it ("(page 0 0 W H (line ... (word ... \"text\")) ...)"), with every
// text decoded to Unicode. Shared by every stage that reads the text as a
// reader sees it (automatic recognition, printed page numbers, previews).
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "core/page_rect.h"
#include "djvused/book_pages.h"

enum class ZoneKind { Page, Column, Region, Para, Line, Word, Char };

struct TextZone {
  ZoneKind kind = ZoneKind::Page;
  PageRect box;
  QString text;  // leaf zones only; escapes decoded, UTF-8 read
  QList<TextZone> children;
};

// Parses one zone tree. Throws InputError naming the place when the text is
// not a well-formed zone tree.
TextZone ParseTextLayer(QByteArrayView zones);
// The same, leaving out every zone below the page for which `keep(zone, page)`
// is false, with all it holds: a reader that needs only part of the page does
// not pay for decoding the rest. Such zones are skipped, not checked.
using ZoneFilter = bool (*)(const PageRect& zone, const PageRect& page);
TextZone ParseTextLayer(QByteArrayView zones, ZoneFilter keep);
// The zones of a page parsed whole that ParseTextLayer(zones, keep) would
// have given: for a reader that needs part of a page another reader has
// parsed whole.
TextZone KeptZones(const TextZone& page, ZoneFilter keep);

// Splits a whole-document dump into its pages, in dump order, each page's
// zone tree (from "(page" to its closing parenthesis) in `text`. A selection
// line without "# page N" gives 0 as the number. With "set-ant" as the block
// command, the same for an annotation dump (or the fix job's script), each
// page's annotation text in `annotations`. Sizes stay 0.
QList<PageData> SplitTextDump(QByteArrayView dump, QByteArrayView blockCommand = "set-txt");
