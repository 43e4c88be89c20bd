#include "create/row_plan.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <optional>

#include "core/errors.h"
#include "core/job_log.h"
#include "core/run_options.h"
#include "create/annotation_merge.h"
#include "create/auto_page_links.h"
#include "create/book_links.h"
#include "create/book_page_numbers.h"
#include "create/kind_guard.h"
#include "create/link_script.h"
#include "create/link_style.h"
#include "create/link_writer.h"
#include "create/page_scan.h"
#include "create/target_check.h"
#include "create/text_dump.h"
#include "create/title_offset.h"
#include "djvused/component_list.h"
#include "djvused/djvu_book.h"
#include "djvused/script_dialect.h"
#include "folios/folio_targets.h"
#include "parts/book_survey.h"

namespace {

// How the links name their pages, said once for a book whose pages carry titles.
QStringList TargetsLines(const PageTargets& targets) {
  if (targets.WritesIds()) {
    return {QCoreApplication::translate("CreateRun", "Страницы книги названы, ссылки ведут на имена страниц")};
  }
  if (targets.IdsRefused()) {
    return {QCoreApplication::translate("CreateRun",
                                        "Страницы книги названы, но их имена в списке djvused читаются неоднозначно: "
                                        "ссылки ведут на номера страниц")};
  }
  if (const std::optional<int> page = targets.IdBlocker()) {
    return {QCoreApplication::translate("CreateRun",
                                        "Страницы книги названы, но имя страницы %1 («%2») совпадает с названием "
                                        "или номером другой страницы: ссылки ведут на номера страниц")
                .arg(*page)
                .arg(QString::fromUtf8(targets.IdOf(*page)))};
  }
  return {};
}

// Makes one plan, step by step; each step adds to the plan. The dumps it
// reads stay in the runner's temporary files for the save's batch record.
class RowPlanner {
 public:
  RowPlanner(FrontEnd& frontEnd, DjvusedRunner& runner, const QString& path, const CreateSettings& settings,
             const PlanOptions& options)
      : frontEnd_(frontEnd), runner_(runner), settings_(settings), options_(options),
        style_(BuildLinkStyle(settings.look)), writer_(style_, TextPageRange{}) {
    plan_.path = path;
  }

  RowPlan Make() {
    ReadRange();
    plan_.parts = parts_;
    if (WholeBook() && parts_.isEmpty()) {
      // Nothing to link: nothing is written.
      plan_.notes << NothingFoundLine();
      if (survey_.withText.isEmpty() && options_.ocr == OcrUse::Off) plan_.notes << NoHiddenTextLine();
      return std::move(plan_);
    }
    Recognise();
    MergeEdits();
    Summarise();
    CheckTargets();
    WriteScript();
    return std::move(plan_);
  }

 private:
  // The page list and how links name the pages, then only the pages of the
  // range that the document has. The whole-book type reads the whole book's
  // text anyway, and takes the page list from that same djvused call.
  void ReadRange() {
    const auto reading = [&] {
      if (options_.continuesLog) {
        frontEnd_.LogAddLine(joblog::Reading());
      } else {
        frontEnd_.LogAppend(joblog::Reading());
      }
    };
    if (WholeBook()) {
      frontEnd_.LogShow();
      reading();
      SurveyWholeBook();
    } else {
      runner_.RunDump(plan_.path, DumpUse::PageList);
      plan_.componentList = dialect::ReadWholeFile(runner_.TempPath(DjvusedRunner::kPageListFile));
    }
    components_ = ReadComponentList(plan_.componentList);
    plan_.targets = PageTargets(components_);
    if (plan_.targets.WritesIds() && !djvubook::SelectsEvery(runner_, plan_.path, plan_.targets.UncertainIds())) {
      plan_.targets.RefuseIds();
    }
    pageCount_ = plan_.targets.PageCount();
    const int first = std::max(settings_.firstPage, 1);
    const int last = std::min(settings_.lastPage, pageCount_);
    if (WholeBook()) {
      if (first <= last) SurveyRange(first, last);
    } else {
      frontEnd_.LogShow();
      if (first <= last) {
        runner_.RunPagesDump(plan_.path, RangeCommands(first, last), reading);
      } else {
        reading();
      }
    }
    frontEnd_.LogAppend(joblog::kOk);
    frontEnd_.LogAddLine(QCoreApplication::translate("CreateRun", "Создание содержания"));
    if (first > last) {
      throw InputError(
          QCoreApplication::translate("CreateRun", "Страницы %1–%2 не найдены в документе %3 (в нём %4 стр.)")
              .arg(QString::number(settings_.firstPage), QString::number(settings_.lastPage), plan_.path,
                   QString::number(pageCount_)));
    }
    if (!WholeBook()) {
      plan_.pages = ReadRangeOutput(dialect::ReadWholeFile(runner_.TempPath(DjvusedRunner::kDumpFile)), first, last);
    } else if (!parts_.isEmpty()) {
      plan_.pages = ReadPagesOutput(dialect::ReadWholeFile(runner_.TempPath(DjvusedRunner::kDumpFile)),
                                    PartPages(parts_));
      TakeReadText(plan_.pages, ocrRead_);
    }
    if (options_.ocr != OcrUse::Off && IsAutomatic(settings_.workType) && !WholeBook()) {
      ocr_ = ReadTextlessPages(plan_.pages, plan_.path, runner_.WorkFolder());
      if (!ocr_.pages.isEmpty()) plan_.notes << OcrLine(ocr_);
    }
    for (const PageData& page : plan_.pages) {
      if (!page.text.isEmpty()) textPages_ << &page;  // by their place among the pages with hidden text
    }
    writer_ = LinkWriter(style_, TextPageRange{1, int(textPages_.size())}, &plan_.targets);
  }

  bool WholeBook() const { return settings_.workType == WorkType::Book; }

  // The whole-book type: the book's page list and hidden text read once for
  // its parts and its page numbers.
  void SurveyWholeBook() {
    // Each page's words are kept folded for the check of the links' targets,
    // so the book is not read twice.
    survey_ = SurveyBook(runner_, plan_.path, [this](int page, const TextZone& zones) {
      surveyWords_.insert(page, targets::PageText(zones));
    });
    plan_.componentList = survey_.componentList;
  }

  // Then the pages of first..last without text read from their images when
  // asked, and only the pages of the parts within the range read whole
  // (their annotations and sizes).
  void SurveyRange(int first, int last) {
    if (options_.ocr != OcrUse::Off) LookAtTextlessPages(first, last);
    parts_ = PartsWithin(survey_.parts, first, last);
    if (!parts_.isEmpty()) runner_.RunPagesDump(plan_.path, PagesCommands(PartPages(parts_)));
  }

  // The pages of first..last without hidden text that the search reaches,
  // read from their images and judged like the others; the parts are found
  // again with them. The text read stays for the pages of the parts.
  void LookAtTextlessPages(int first, int last) {
    QList<int> textless;
    for (int page = first; page <= last; ++page) {
      if (!std::binary_search(survey_.withText.begin(), survey_.withText.end(), page)) textless << page;
    }
    if (textless.isEmpty()) return;
    runner_.RunPagesDump(plan_.path, PagesCommands(textless));  // their sizes
    const QList<PageData> blank =
        ReadPagesOutput(dialect::ReadWholeFile(runner_.TempPath(DjvusedRunner::kDumpFile)), textless);
    TextlessLooks found = ::LookAtTextlessPages(blank, survey_, first, last, plan_.path, runner_.WorkFolder());
    AddPageLooks(survey_, found.looks);
    ocr_ = found.report;
    ocrRead_ = std::move(found.read);
    if (!ocr_.pages.isEmpty()) plan_.notes << OcrLine(ocr_);
  }

  // Whether the targets can be placed: with the book's numbers, a book
  // whose body pages have no hidden text shows no folio, and the run says
  // so instead of listing every number as missing from the book. An offset
  // found another way (from the pages the entries lead to) belongs here.
  bool TargetsPlaceable() {
    if (!settings_.bookNumbers || !survey_.folios.Runs().isEmpty() ||
        survey_.withText.size() == survey_.folios.PageCount()) {
      return true;
    }
    plan_.notes << NoFoliosLine();
    return false;
  }

  // The entries of the range's pages, written as links by the writer. With
  // "fol" the targets are the pages that carry the printed numbers, from the
  // book's folio map (read only when the range has hidden text to link).
  void Recognise() {
    if (WholeBook()) {
      if (!TargetsPlaceable()) return;
      // The survey's map places the targets, or checks those of a fixed offset.
      folios_.emplace(survey_.folios, settings_.bookNumbers);
    } else if (settings_.bookNumbers && !textPages_.isEmpty()) {
      folios_.emplace(ReadBookPageNumbers(runner_, plan_.path, components_), true);
    }
    if (folios_ && settings_.bookNumbers && !folios_->Map().MainOffset() && LinksContents(settings_.workType) &&
        IsAutomatic(settings_.workType)) {
      OffsetFromTitles();
    }
    FolioTargets* const folioTargets = folios_ ? &*folios_ : nullptr;
    if (!IsAutomatic(settings_.workType)) {
      const TextDumpLines dump = TextDumpLines::FromText(AsTextDump(plan_.pages));
      PageScan scan(dump, TextPageRange{1, int(textPages_.size())},
                    ScanSettings{settings_.workType, settings_.offset, settings_.halve, pageCount_, folioTargets,
                                 plan_.path},
                    writer_, frontEnd_);
      scan.Run();
      report_ = scan.Report();
      return;
    }
    const AutoLinkSettings autoSettings{settings_.workType, titleOffset_ ? titleOffset_->offset : settings_.offset,
                                        settings_.halve, settings_.romanOffset, pageCount_, folioTargets};
    const AutoPageLinks::Ask ask = [this](int previous, int current, int page,
                                          const QString& lineText) -> std::optional<int> {
      if (!RunOptions(frontEnd_).AskWhenUnclear()) return std::nullopt;
      const int answer = frontEnd_.AskPageNumber(previous, current, {plan_.path, page, lineText});
      report_.Answered(page, current, answer);
      return answer;
    };
    AutoPageLinks links(autoSettings, ask);
    QList<PageEntries> read;
    if (WholeBook()) {
      read = ReadBookPages(textPages_, parts_, autoSettings, ask);
    } else {
      // Over a range that holds pages of another kind, only the pages of the
      // row's kind are linked.
      const KindGuard guard = GuardPages(textPages_, settings_.workType, pageCount_);
      for (const qsizetype i : guard.linked) read << ReadAutoPage(*textPages_[i], int(i) + 1, links);
      skipped_ = SkippedLine(settings_.workType, guard.skipped);
    }
    // Every link's number checked against the text of the page it leads to.
    checked_ = CheckEntryTargets(read, runner_,
                                 TargetCheckInput{plan_.path, plan_.pages, &links, pageCount_,
                                                  WholeBook() ? &surveyWords_ : nullptr});
    WriteAutoPages(read, writer_);
  }

  // A book that shows no page numbers: the offset under which the contents
  // entries lead to pages that begin with their titles, found from every
  // page's first lines, takes the folio map's place; without one no entry
  // gets a link, and the log says why.
  void OffsetFromTitles() {
    const AutoLinkSettings plain{settings_.workType, 0, settings_.halve, settings_.romanOffset, pageCount_, nullptr};
    QList<PageEntries> read;
    if (WholeBook()) {
      read = ReadBookPages(textPages_, parts_, plain, {});
    } else {
      AutoPageLinks links(plain, {});
      for (const qsizetype i : GuardPages(textPages_, settings_.workType, pageCount_).linked) {
        read << ReadAutoPage(*textPages_[i], int(i) + 1, links);
      }
    }
    QList<TitledNumber> entries;
    for (const PageEntries& page : read) {
      if (page.index) continue;
      for (const ContentsEntry& entry : page.entries) entries << TitledNumber{entry.target, entry.title};
    }
    const QHash<int, QString> headings = ReadBookHeadings(runner_, plan_.path);
    const std::optional<TitleOffset> found =
        OffsetByTitles(entries, pageCount_, [&](int page) { return headings.value(page); });
    titleLine_ = TitleOffsetLine(found);
    if (!found) return;
    titleOffset_ = found;
    folios_.reset();  // the targets go by the offset found
  }

  // The pages' new annotations. A page whose old annotations hold a line
  // djvused would take as the end of the data outside any record is not
  // written: its links are not made.
  void MergeEdits() {
    for (const PageLinks& links : writer_.Pages()) {
      const PageData& page = *textPages_.at(links.ordinal - 1);
      if (const std::optional<QByteArray> merged = MergeAnnotations(page.annotations, links.Areas(), links.text)) {
        edits_ << PageEdit{page.number, *merged};
        made_ << links;
      } else {
        refused_ << page.number;
      }
    }
  }

  // What the scan made and left out, logged after the file's own lines.
  void Summarise() {
    joblog::RangeSummary summary{settings_.firstPage, settings_.lastPage, pageCount_, {}, 0, {}, {}};
    for (const PageLinks& links : made_) {
      summary.linkedPages << textPages_.at(links.ordinal - 1)->number;
      summary.links += int(links.links.size());
    }
    for (const PageData& page : plan_.pages) {
      if (page.text.isEmpty()) {
        summary.pagesWithoutText << page.number;
      } else if (!summary.linkedPages.contains(page.number) && !refused_.contains(page.number)) {
        summary.pagesWithoutLinks << page.number;
      }
    }
    // A range without any hidden text: is there any in the document at all?
    if (!plan_.pages.isEmpty() && textPages_.isEmpty()) {
      summary.documentWithoutText = djvubook::PagesWithHiddenText(runner_, plan_.path) == 0;
    }
    if (WholeBook()) summary.lastPage = std::min(summary.lastPage, pageCount_);  // "to the end" is no page
    const QStringList lines = joblog::SummaryLines(summary);
    plan_.notes << lines;
    if (summary.links > 0) plan_.linksMade = lines.first();
    if (!skipped_.isEmpty()) plan_.notes << skipped_;
    plan_.notes << checked_;
    if (WholeBook()) {
      plan_.partsFound = BookFoundLine(
          parts_,
          titleOffset_ ? std::optional<int>(titleOffset_->offset)
          : settings_.bookNumbers ? survey_.folios.MainOffset() : std::optional<int>(settings_.offset),
          summary.links);
      plan_.notes << plan_.partsFound;
    }
    for (const int number : refused_) {
      plan_.notes << QCoreApplication::translate(
                         "CreateRun",
                         "Внимание: страница %1 не изменена: в её аннотациях есть строка «.» вне записей, "
                         "djvused выполнил бы текст после неё как команды")
                         .arg(number);
    }
  }

  // The numbers the question changed, the folio map's lines, and a fixed
  // offset checked against the folios of a few of its targets.
  void CheckTargets() {
    plan_.notes << report_.Lines();
    if (!made_.isEmpty()) plan_.notes << TargetsLines(plan_.targets);
    if (!titleLine_.isEmpty()) plan_.notes << titleLine_;
    if (folios_) plan_.notes << folios_->Lines(settings_.offset);
    if (settings_.bookNumbers || settings_.halve || WholeBook()) return;  // the whole book's map checked it
    QList<int> unreadable;
    plan_.notes << CheckOffset(runner_, plan_.path, components_, made_, &unreadable).Lines(settings_.offset);
    if (!unreadable.isEmpty()) {
      plan_.notes << QCoreApplication::translate("CreateRun",
                                                 "Внимание: djvused не может прочитать страницы %1; проверка "
                                                 "смещения их пропускает")
                         .arg(joblog::PageRuns(unreadable));
    }
  }

  // The outline when it is asked for, the script and the list of the links.
  void WriteScript() {
    OutlinePlan outline;
    if (options_.outline) {
      if (!LinksContents(settings_.workType)) {
        plan_.notes << QCoreApplication::translate("CreateRun", "Закладки создаются только по содержанию");
      } else {
        outline = PlanOutline(runner_, plan_.path,
                              WholeBook() ? MainListEntries(writer_.Entries(), textPages_, parts_) : writer_.Entries(),
                              textPages_,
                              OutlineChoice{options_.existingOutline, options_.dryRun}, plan_.targets);
        plan_.notes << outline.notes;
      }
    }
    plan_.script = LinkScript(options_.removeOcr, edits_, outline.data);
    if (options_.ocr == OcrUse::Write && !ocr_.pages.isEmpty()) {
      // After the links: their pages' text (the whole book: every page read).
      plan_.script += StoreReadText(WholeBook() ? ocrRead_ : plan_.pages, ocr_.pages);
    }
    if (options_.removeOcr) {
      // The script removes the whole document's hidden text: the log says how much that is.
      const int pages = djvubook::PagesWithHiddenText(runner_, plan_.path);
      plan_.textRemoved = options_.dryRun
                              ? QCoreApplication::translate("CreateRun", "Скрытый текст будет удалён со страниц: %1").arg(pages)
                              : QCoreApplication::translate("CreateRun", "Скрытый текст удалён со страниц: %1").arg(pages);
      plan_.notes << plan_.textRemoved;
    }
    plan_.links = ListLinks(made_, textPages_, plan_.targets);
    MarkLevels(plan_.links, outline.entries);
    plan_.outline = outline.entries;
  }

  FrontEnd& frontEnd_;
  DjvusedRunner& runner_;
  const CreateSettings& settings_;
  const PlanOptions options_;
  RowPlan plan_;
  int pageCount_ = 0;
  QList<ComponentLine> components_;
  QList<const PageData*> textPages_;  // point into plan_.pages, which stays in place until Make returns
  LinkStyle style_;
  OcrReport ocr_;
  QList<PageData> ocrRead_;     // the whole-book type: the pages read from their images
  LinkWriter writer_;
  ScanReport report_;
  std::optional<FolioTargets> folios_;
  std::optional<TitleOffset> titleOffset_;  // a book without page numbers: the offset its chapter titles give
  QString titleLine_;                       // ... and the log's line on it
  BookSurvey survey_;            // the whole-book type: the book as surveyed
  QHash<int, targets::PageText> surveyWords_;  // the whole-book type: every page's words, folded
  QList<BookPart> parts_;        // the whole-book type: its parts within the range
  QString skipped_;              // the automatic types: the pages not of the row's kind, skipped
  QStringList checked_;          // the automatic types: the lines of the check of their numbers
  QList<PageEdit> edits_;
  QList<PageLinks> made_;
  QList<int> refused_;
};

}  // namespace

RowPlan PlanRow(FrontEnd& frontEnd, DjvusedRunner& runner, const QString& path, const CreateSettings& settings,
                const PlanOptions& options) {
  return RowPlanner(frontEnd, runner, path, settings, options).Make();
}
