#pragma once
// The whole-book type: the parts a survey of the book found within the row's
// pages, each contents list and the index linked by its own automatic
// recogniser, the outline's entries from the main contents list, and the log
// line of what was found.
#include <QList>
#include <QString>
#include <optional>

#include "create/auto_page_links.h"
#include "create/link_writer.h"
#include "parts/book_parts.h"

// The parts that have pages within first..last, cut to those pages, in page
// order.
QList<BookPart> PartsWithin(const QList<BookPart>& parts, int first, int last);

// The document pages of the parts, in order.
QList<int> PartPages(const QList<BookPart>& parts);

// Reads the pages of each part: `textPages` are the pages read with hidden
// text, the writer's page i + 1 being textPages[i]. Each contents list gets a
// recogniser of its own (its numbers start again), the index the index
// recogniser; `settings` give the targets (its work type is not read). Each
// part's pages carry the part's place in `parts` as their list.
QList<PageEntries> ReadBookPages(const QList<const PageData*>& textPages, const QList<BookPart>& parts,
                                 const AutoLinkSettings& settings, const AutoPageLinks::Ask& ask);

// The entries of `linked` that stand on the main contents list's pages: a
// short contents and lists of figures and tables add no bookmarks.
QList<LinkedEntry> MainListEntries(const QList<LinkedEntry>& linked, const QList<const PageData*>& textPages,
                                   const QList<BookPart>& parts);

// "Содержание: стр. 5–9 (2 списка), указатель: стр. 280–291, смещение +6":
// the parts found and the offset, as a run and "Найти всё" say them.
// `offset`: the row's fixed offset or the book's main one; nothing when the
// book shows no page numbers.
QString BookPartsLine(const QList<BookPart>& parts, std::optional<int> offset);

// The parts line and "; создано ссылок: 412".
QString BookFoundLine(const QList<BookPart>& parts, std::optional<int> offset, int links);

// The line of a run that found neither part within the row's pages.
QString NothingFoundLine();

// The line of a run over a book without any hidden text that was not asked
// to read its pages from their images.
QString NoHiddenTextLine();

// The line of a run whose targets go by the book's page numbers when its
// body pages have no hidden text to read them from.
QString NoFoliosLine();
