#pragma once
// Contents entries as a reader sees them: the page number that ends each
// entry of a contents page, the entry's title and an area over its lines.
#include <QList>

#include "autolinks/auto_entry.h"
#include "autolinks/printed_lines.h"

struct ContentsOptions {
  TargetOf target;
  bool roman = false;  // Roman numerals are page numbers (the row has a Roman offset)
  // Asked about a number smaller than the previous entry's: gets the previous
  // and the current number and the text of the number's printed line, and
  // gives the number to use, or nothing when the question is not to be asked.
  std::function<std::optional<int>(int previous, int current, const QString& lineText)> ask;
};

// A contents entry's title from its words (the number's word without the
// number): OCR's reading of leader dots dropped, the words joined by blanks
// (a word broken by a hyphen at a line's end joined again), leaders cut.
QString ContentsTitle(const QStringList& words);

// Keeps the order of the numbers across the pages of one file.
class ContentsRecogniser {
 public:
  explicit ContentsRecogniser(ContentsOptions options);

  // The entries of one page, top to bottom in each column. A number in the
  // page's running head or foot that leads to the page itself (its folio) is
  // no entry.
  QList<AutoEntry> Page(const TextZone& page, int documentPage = 0);

 private:
  ContentsOptions options_;
  int previous_ = 0;  // the number of the last accepted entry of the file
};
