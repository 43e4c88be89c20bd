#pragma once
// Keeping a page's annotations when the create run adds links to it: every
// record stays as it was except the old internal links ("#…") whose area
// overlaps a new link, which the new links replace. So a page keeps its
// background, zoom, metadata, web links, notes and shapes, and running the
// same row twice gives the same page as running it once.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

#include "create/link_writer.h"

// One top-level record of an annotation text, "(maparea ...)", "(background
// ...)" and so on: where it stands, and for a maparea its URL and the box
// around its shape (rect, oval, text: as written; poly, line: around the points).
struct AnnotationRecord {
  qsizetype begin = 0, end = 0;  // [begin, end) in the text
  bool maparea = false;
  QByteArray url;                // decoded; for "(url \"…\" \"target\")" the first string
  std::optional<LinkArea> box;
  QByteArray shape;              // the shape's keyword: "rect", "oval", "poly", ...
};

// The records of an annotation text, or nullopt when the text is not a
// sequence of balanced records (djvused stores any text unchecked).
std::optional<QList<AnnotationRecord>> ReadAnnotationRecords(QByteArrayView text);

bool Overlaps(const LinkArea& a, const LinkArea& b);

// The page's new annotation text: the old text without the internal links
// that overlap one of the new areas, then `newLinks` on a line of its own.
// An old text that cannot be read as records is kept whole.
QByteArray MergeAnnotations(QByteArrayView oldText, const QList<LinkArea>& newAreas, QByteArrayView newLinks);
