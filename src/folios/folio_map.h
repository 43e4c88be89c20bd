#pragma once
// The map from printed page numbers to document pages, built from the folios
// read on each page: runs of pages whose folios follow each other at one
// offset, the pages between runs without a folio (plates, inserts), and where
// the offset changes. A folio that disagrees with the pages around it (a
// misread digit, a chapter number in the head) is outvoted by its neighbours.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "folios/folio_reader.h"

// The folio candidates read on one document page.
struct PageFolios {
  int page = 0;  // document page, from 1
  QList<Folio> candidates;
};

// Document pages firstPage..lastPage carry the printed numbers
// firstPage - offset .. lastPage - offset, in roman or arabic numerals.
struct FolioRun {
  int firstPage = 0, lastPage = 0;
  int offset = 0;  // document page minus printed number
  bool roman = false;
  int FirstPrinted() const { return firstPage - offset; }
  int LastPrinted() const { return lastPage - offset; }
  bool operator==(const FolioRun& o) const {
    return firstPage == o.firstPage && lastPage == o.lastPage && offset == o.offset && roman == o.roman;
  }
};

class FolioMap {
 public:
  FolioMap() = default;
  // pageCount: the document's page count; pages may be missing from `pages`
  // (no hidden text, or not read) and are then pages without a folio. A folio
  // counts when another page within `window` pages reads the same offset.
  static FolioMap Build(const QList<PageFolios>& pages, int pageCount, int window = 10);

  int PageCount() const { return pageCount_; }
  const QList<FolioRun>& Runs() const { return runs_; }

  // The document page that carries the printed number, if the map places it.
  // When several runs carry it, the longest one counts.
  std::optional<int> PageOf(int printed, bool roman) const;
  // The printed number the map gives a document page.
  std::optional<Folio> PrintedOn(int page) const;
  // The offset of the longest arabic run that starts after `afterPage`
  // (0: anywhere in the book), if there is one.
  std::optional<int> MainOffset(int afterPage = 0) const;
  // The offset of the first arabic run that starts after `afterPage` (where
  // a contents page's first entries lead), else the book's main offset.
  std::optional<int> FirstOffsetAfter(int afterPage) const;
  // The distinct offsets of the arabic runs, in page order.
  QList<int> ArabicOffsets() const;

  // The map in a few lines a person can check, one per run or stretch of
  // pages without a folio: "стр. 7-120: номера 1-114, смещение +6".
  QStringList Describe() const;

 private:
  int pageCount_ = 0;
  QList<FolioRun> runs_;  // in page order, not overlapping
};

// The signed text of an offset: "+6", "0", "-2".
QString OffsetText(int offset);
