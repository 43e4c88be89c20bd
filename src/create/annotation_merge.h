#pragma once
// Keeping a page's annotations when the create run adds links to it: every
// record stays as it was except the old internal links ("#…") whose area
// overlaps a new link, which the new links replace. So a page keeps its
// background, zoom, metadata, web links, notes and shapes, and running the
// same row twice gives the same page as running it once. A stretch of the
// old text that is no record stays as it is between the records around it.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

#include "create/link_writer.h"
#include "djvused/annotation_records.h"

bool Overlaps(const PageRect& a, const PageRect& b);

// The page's new annotation text, as set-ant data: the old text without the
// internal links that overlap one of the new areas, then `newLinks` on a line
// of its own; a list of the old text that never closes (it would take in
// whatever follows it) comes last, after the new links. nullopt when a stretch of the old text that is no record holds
// a line djvused would read as the end of the data: such a page cannot be
// written without running what follows that line.
std::optional<QByteArray> MergeAnnotations(QByteArrayView oldText, const QList<PageRect>& newAreas,
                                           QByteArrayView newLinks);
