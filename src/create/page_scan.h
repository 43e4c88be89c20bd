#pragma once
// The scan over the hidden-text dump of one document: page selections open
// and close the script's page blocks, line records give the OCR lines' boxes,
// and the word records of the pages in range are tested for page numbers.
#include <QStringList>

#include "core/front_end.h"
#include "core/job_log.h"
#include "create/link_writer.h"
#include "create/recognition.h"
#include "create/text_dump.h"

class FolioTargets;

struct ScanSettings {
  WorkType workType = WorkType::Contents;
  int offset = 0;
  bool halve = false;
  int pageCount = 0;  // the document's pages (from the page list); targets outside get no link
  // The book's printed page numbers, when read: they place the targets or
  // check those of the offset.
  FolioTargets* folios = nullptr;
  QString file;  // the document, named in the page-number question
};

// What the scan left out, for the lines after the file's described lines.
struct ScanReport {
  int oversized = 0;        // words whose digit string does not fit 32 bits, skipped
  QList<int> oversizedPages;
  int outside = 0;          // entries whose target is no page of the document
  QList<int> outsidePrinted;  // the first few of their printed numbers
  QList<joblog::ChangedNumber> changed;  // numbers the page-number question changed

  // Counts an answer to the page-number question that changed the number read.
  void Answered(int page, int read, int answer) {
    if (answer != read) changed << joblog::ChangedNumber{page, read, answer};
  }

  static constexpr int kShownNumbers = 5;
  // The log lines: none when nothing was left out.
  QStringList Lines() const;
};

class PageScan {
 public:
  // The front end is asked about a contents number that goes backwards while
  // its option "Спрашивать когда непонятно" is checked.
  PageScan(const TextDumpLines& dump, TextPageRange range, ScanSettings settings, LinkWriter& writer,
           FrontEnd& frontEnd);

  // Scans every line and ends the script. Throws ConversionError for a record
  // field that is not a 32-bit whole number; a word whose number does not fit
  // 32 bits is skipped and counted.
  void Run();

  const ScanReport& Report() const { return report_; }

 private:
  void Word(qsizetype index, QByteArrayView line);
  void LineEntry(qsizetype index, const QByteArray& line);
  void WordEntry(const QByteArray& line);
  void Record(int left);
  void Oversized();
  // The words of the line record that holds the word record at `index`,
  // joined by blanks (words read by their characters are left out).
  QString LineText(qsizetype index) const;
  // The document page a printed number leads to; nothing: no link (the
  // target is no page of the document, counted, or the book has no such page).
  std::optional<qint64> Target(int printed);

  const TextDumpLines& dump_;
  TextPageRange range_;
  ScanSettings settings_;
  LinkWriter& writer_;
  FrontEnd& frontEnd_;

  int ordinal_ = 0;        // pages with hidden text met so far
  PageRect box_;            // the last line record (in Index2: the word's own box)
  int prevLineTop_ = 0;    // top of the line record before the last one on this page
  int rememberedTop_ = 0;  // top of the last line record on this page
  quint8 wordCount_ = 0;   // word records since the last line record
  int current_ = 0;        // the number just read
  int previous_ = 0;       // the number of the last accepted entry
  int lastLinkPage_ = 0;   // the ordinal of the last accepted entry's page
  int page_ = 0;           // the document page being scanned (its selection's number)
  ScanReport report_;
};
