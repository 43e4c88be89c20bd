#pragma once
// The links of one page in the automatic work types: the page's hidden text
// read as a reader sees it (src/autolinks), each entry's printed number turned
// into a page of the document by the row's offset, halving and Roman offset.
#include <QByteArrayView>
#include <QList>
#include <functional>
#include <optional>

#include "autolinks/auto_contents.h"
#include "autolinks/auto_index.h"
#include "create/recognition.h"
#include "djvused/book_pages.h"

class FolioTargets;

struct AutoLinkSettings {
  WorkType workType = WorkType::ContentsAuto;
  int offset = 0;
  bool halve = false;
  std::optional<int> romanOffset;  // the document page of printed page i
  int pageCount = 0;               // targets lie in 1..pageCount
  FolioTargets* folios = nullptr;  // the book's page numbers, when read: they place or check the targets
};

class AutoPageLinks {
 public:
  // `ask` is asked about a contents number smaller than the previous entry's
  // (with the document page and the text of the number's line) and gives the
  // number to use, or nothing when the question is off.
  using Ask = std::function<std::optional<int>(int previous, int current, int page, const QString& lineText)>;
  AutoPageLinks(const AutoLinkSettings& settings, Ask ask);

  // The entries of one page of the range; the contents order carries over
  // from page to page.
  QList<ContentsEntry> Page(const TextZone& page, int documentPage);

  // Whether the pages are index pages.
  bool Index() const { return settings_.workType == WorkType::IndexAuto; }

  // The document page a printed number leads to, if it lies in the document.
  std::optional<int> Target(int printed, bool roman) const;
  // The same without counting the number in the check of a fixed offset
  // against the book's numbers: for numbers only tried, not linked.
  std::optional<int> TriedTarget(int printed, bool roman) const;

 private:
  std::optional<int> Place(int printed, bool roman, bool counted) const;

  AutoLinkSettings settings_;
  Ask ask_;
  int page_ = 0;  // the document page being read, for the question
  ContentsRecogniser contents_;
};

class LinkWriter;

// The entries recognised on one page of the row, before they are written.
struct PageEntries {
  int ordinal = 0;                 // the writer's page: its place among the pages with hidden text (from 1)
  QList<ContentsEntry> entries;    // each with the page it stands on
  bool index = false;              // index entries, or a contents list's
  int list = 0;                    // the pages of one contents list or index share it
};

// Reads one page, the writer's page `ordinal` (from 1). Throws InputError
// for a zone tree that does not read.
PageEntries ReadAutoPage(const PageData& page, int ordinal, AutoPageLinks& links, int list = 0);

// Writes each entry's link over its area, page by page.
void WriteAutoPages(const QList<PageEntries>& pages, LinkWriter& writer);
