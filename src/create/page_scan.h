#pragma once
// The scan over the hidden-text dump of one document: page selections open
// and close the script's page blocks, line records give the OCR lines' boxes,
// and the word records of the pages in range are tested for page numbers.
#include "core/front_end.h"
#include "create/link_writer.h"
#include "create/recognition.h"
#include "create/text_dump.h"

struct ScanSettings {
  WorkType workType = WorkType::Contents;
  int offset = 0;
  bool halve = false;
};

class PageScan {
 public:
  // The front end is asked about a contents number that goes backwards while
  // its option "Спрашивать когда непонятно" is checked.
  PageScan(const TextDumpLines& dump, TextPageRange range, ScanSettings settings, LinkWriter& writer,
           FrontEnd& frontEnd);

  // Scans every line and ends the script. Throws ConversionError for a record
  // field or a page number that is not a 32-bit whole number.
  void Run();

 private:
  void Word(qsizetype index, QByteArrayView line);
  void LineEntry(qsizetype index, const QByteArray& line);
  void WordEntry(const QByteArray& line);
  void Record(int left);

  const TextDumpLines& dump_;
  TextPageRange range_;
  ScanSettings settings_;
  LinkWriter& writer_;
  FrontEnd& frontEnd_;

  int ordinal_ = 0;        // pages with hidden text met so far
  LineBox box_;            // the last line record (in Index2: the word's own box)
  int prevLineTop_ = 0;    // top of the line record before the last one on this page
  int rememberedTop_ = 0;  // top of the last line record on this page
  quint8 wordCount_ = 0;   // word records since the last line record
  int current_ = 0;        // the number just read
  int previous_ = 0;       // the number of the last accepted entry
  int lastLinkPage_ = 0;   // the ordinal of the last accepted entry's page
};
