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

// One page of a whole-document hidden-text dump ("-e output-txt").
struct DumpPage {
  int number = 0;     // the page number of the selection line's "# page N"
  QByteArray zones;   // the zone tree, from "(page" to its closing parenthesis
};
// Splits a whole-document dump into its pages, in dump order. A selection line
// without "# page N" gives 0 as the number. With "set-ant" as the block
// command, the same for an annotation dump (or the fix job's script): `zones`
// holds each page's annotation text.
QList<DumpPage> SplitTextDump(QByteArrayView dump, QByteArrayView blockCommand = "set-txt");
