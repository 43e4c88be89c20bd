#pragma once
// The create run's use of the folio map for one document: with the book's
// page numbers ("--offset auto") each target is the page that carries the
// entry's printed number; with a fixed offset each target is checked against
// the number the map gives its page. Either way the run's log gets a few
// lines on what was found.
#include <QList>
#include <QMap>
#include <QStringList>
#include <optional>

#include "folios/folio_map.h"

class FolioTargets {
 public:
  // bookNumbers: targets are placed through the map; otherwise checked.
  FolioTargets(FolioMap map, bool bookNumbers) : map_(std::move(map)), bookNumbers_(bookNumbers) {}
  // Only checks, against the folios of single pages.
  explicit FolioTargets(QMap<qint64, Folio> pageFolios) : pageFolios_(std::move(pageFolios)), checkOnly_(true) {}
  const FolioMap& Map() const { return map_; }
  bool Placing() const { return bookNumbers_; }

  // The target of an entry's printed number: with the book's numbers the
  // page that carries it (nothing when the map has no such page), otherwise
  // `fixed`, the target of the row's offset, checked against the map when
  // it is given (a halved number names no folio and is not checked).
  std::optional<qint64> Target(int printed, bool roman, qint64 fixed, bool check);
  // The lines for the log after the file's lines.
  QStringList Lines(int offset) const { return bookNumbers_ ? PlacedLines() : CheckLines(offset); }

  // The page carrying the printed number; nothing (and the number is noted)
  // when the map cannot place it. A number asked about again counts once.
  std::optional<int> Place(int printed, bool roman);
  // Notes a target of a fixed offset whose page the map gives another number.
  void Check(int printed, bool roman, qint64 target);

  // After the file's lines. Placing: the offsets used and the numbers not
  // placed. Checking: a warning with the count and the first examples when a
  // target disagrees with the map.
  QStringList PlacedLines() const;
  QStringList CheckLines(int offset) const;

 private:
  struct Mismatch {
    int printed;
    bool roman;
    qint64 target;
    Folio shown;
    bool operator==(const Mismatch& o) const {
      return printed == o.printed && roman == o.roman && target == o.target && shown == o.shown;
    }
  };
  FolioMap map_;
  bool bookNumbers_ = false;
  QMap<qint64, Folio> pageFolios_;
  bool checkOnly_ = false;
  int checked_ = 0;  // links checked against a folio
  QList<int> offsetsUsed_;
  bool romanUsed_ = false;
  QList<int> unplaced_;
  QList<Mismatch> mismatches_;  // distinct, in the order met
};
