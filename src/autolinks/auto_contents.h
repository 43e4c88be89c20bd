#pragma once
// Contents entries as a reader sees them: the page number that ends each
// entry of a contents page, the entry's title and an area over its lines.
#include <QList>

#include "autolinks/auto_entry.h"
#include "autolinks/number_reading.h"
#include "page/printed_lines.h"

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

// An entry found on the page, before its number is checked against the order.
struct ContentsCandidate {
  ReadNumber number;
  int target = 0;
  PageRect box;          // the area: all its lines (or its own part of a run-in line)
  PageRect firstLine;    // the first line's box (or part)
  QStringList words;    // title words, the number's word without the number
  int order = 0;        // the value compared along the page: Roman numbers come first
  bool valid = false;   // its target lies in the document
  int column = 0;       // the column of its lines
  QString lineText;     // the printed line that holds the number
};

// Keeps the order of the numbers across the pages of one file.
class ContentsRecogniser {
 public:
  explicit ContentsRecogniser(ContentsOptions options);

  // The entries of one page, top to bottom in each column. A number in the
  // page's running head or foot that leads to the page itself (its folio) is
  // no entry.
  QList<ContentsEntry> Page(const TextZone& page, int documentPage = 0);

 private:
  // The entries that end on line `li` (lines before it without a number that
  // lead into it are in `pending`).
  void LineCandidates(const QList<PrintedLine>& lines, qsizetype li, int documentPage,
                      QList<const PrintedLine*>& pending, QList<ContentsCandidate>& found) const;
  // Which candidates stand in the page's order.
  static QList<bool> InOrder(const QList<ContentsCandidate>& found);
  // The candidates in order, and those the page-number question puts in order.
  QList<ContentsEntry> Accepted(QList<ContentsCandidate>& found, const QList<bool>& inOrder);
  static ContentsEntry EntryOf(const ContentsCandidate& c);

  ContentsOptions options_;
  int previous_ = 0;  // the number of the last accepted entry of the file
};
