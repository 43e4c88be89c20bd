#include "create/create_run.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#include "align/fix_run.h"
#include "core/errors.h"
#include "core/job_log.h"
#include "djvused/book_backup.h"
#include "djvused/book_session.h"
#include "djvused/component_list.h"
#include "create/annotation_merge.h"
#include "create/link_listing.h"
#include "create/link_script.h"
#include "create/link_writer.h"
#include "create/auto_page_links.h"
#include "create/book_page_numbers.h"
#include "create/outline_entries.h"
#include "create/page_scan.h"
#include "create/range_read.h"
#include "create/row_settings.h"
#include "create/text_dump.h"
#include "djvused/script_dialect.h"
#include "folios/folio_targets.h"

namespace {

// The row's document could not be finished; the run stops without its end options.
struct RowStopped {};

// Whether djvused selects every one of the ids (read from "ls", where an id
// holding " T=" reads like a title): a run of "select" commands fails at the
// first id that names no component.
bool IdsSelect(DjvusedRunner& runner, const QString& path, const QList<QByteArray>& ids) {
  constexpr qsizetype kCallBytes = 60000;  // a command line stays far below the system's limit
  QByteArray selects;
  for (qsizetype i = 0; i < ids.size(); ++i) {
    selects += "select " + dialect::Quote(ids[i]) + "; ";
    if (i + 1 < ids.size() && selects.size() < kCallBytes) continue;
    try {
      runner.CommandsOutput(path, selects);
    } catch (const DjvusedError&) {
      return false;
    }
    selects.clear();
  }
  return true;
}

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

}  // namespace

CreateRun::CreateRun(FrontEnd& frontEnd, DjvusedRunner& runner) : frontEnd_(frontEnd), runner_(runner) {}

bool CreateRun::Run() {
  try {
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
  } catch (const QuillmarkError& e) {
    frontEnd_.ShowError(e.Message());
    return false;
  }
  frontEnd_.LogClear();
  if (frontEnd_.CreateRowCount() == 0) {
    frontEnd_.ShowMessage(joblog::NoFileSelected());
    return false;
  }
  if (frontEnd_.SelectedIndex(Combo::BorderType) < 0 || frontEnd_.SelectedIndex(Combo::LinkShape) < 0) {
    frontEnd_.ShowMessage(QCoreApplication::translate("CreateRun", "Неверно задан тип границы"));
    return false;
  }
  if (frontEnd_.SelectedIndex(Combo::WorkType) < 0) {
    frontEnd_.ShowMessage(QCoreApplication::translate("CreateRun", "Неверно задан вид работы"));
    return false;
  }
  if (!RunRows()) return false;
  if (frontEnd_.IsChecked(Option::CreateClearList)) frontEnd_.ClearCreateList();
  if (frontEnd_.IsChecked(Option::CreateClose)) frontEnd_.CloseMainWindow();
  return true;
}

OutlinePlan CreateRun::OutlineStep(const QString& path, WorkType type, const QList<LinkedEntry>& entries,
                                  const QList<const PageData*>& textPages, const PageTargets& targets) {
  if (!frontEnd_.IsChecked(Option::CreateOutline)) return {};
  if (type != WorkType::Contents && type != WorkType::ContentsAuto) {
    notes_ << QCoreApplication::translate("CreateRun", "Закладки создаются только по содержанию");
    return {};
  }
  OutlinePlan plan = PlanOutline(runner_, path, entries, textPages, dryRun_ != nullptr, targets);
  notes_ << plan.notes;
  return plan;
}

void CreateRun::LogNotes() {
  for (const QString& note : notes_) frontEnd_.LogAddLine(note);
  notes_.clear();
}

bool CreateRun::RunRows() {
  int i = 0;
  try {
    for (; i < frontEnd_.CreateRowCount(); ++i) ProcessRow(frontEnd_.CreateRow(i), i + 1);
    return true;
  } catch (const RowStopped&) {
    LogNotes();
  } catch (const DjvusedError& e) {
    notes_.removeOne(linksMade_);  // the links of a row that failed were not made
    joblog::LogFailure(frontEnd_, e.Message());
    LogNotes();
  } catch (const QuillmarkError& e) {
    notes_.removeOne(linksMade_);
    LogNotes();
    frontEnd_.ShowError(e.Message());
  }
  QStringList rest;
  for (int after = i + 1; after < frontEnd_.CreateRowCount(); ++after) rest << frontEnd_.CreateRow(after).FileName;
  joblog::LogNotProcessed(frontEnd_, rest);
  return false;
}

void CreateRun::ProcessRow(const CreateJob& row, int rowNumber) {
  const RowSettings settings = ReadRowSettings(row, rowNumber);  // before the document is touched
  linksMade_.clear();
  const QString longPath = row.FullPath();
  BookSession::RequireDocumentFile(longPath);
  if (!QFileInfo(longPath).isFile()) {
    throw InputError(QCoreApplication::translate("CreateRun", "Файл не найден: %1").arg(longPath));
  }
  const BookSession session(longPath, runner_, !dryRun_);  // locked until the row is done
  notes_ << session.Notes();

  QString backedUp;
  if (frontEnd_.IsChecked(Option::CreateBackup) && !dryRun_) {
    notes_ << backup::Said(runner_.BackupCopy(longPath));
    backedUp = longPath;
  }
  const QString path = DjvusedRunner::ShortPathOf(longPath);
  if (!runner_.DjvusedPresent()) {
    frontEnd_.ShowMessage(DjvusedRunner::MissingMessage());
    throw RowStopped{};
  }

  runner_.RunDump(path, DumpUse::PageList);
  const QByteArray componentList = dialect::ReadWholeFile(runner_.TempPath(DjvusedRunner::kPageListFile));
  const QList<ComponentLine> components = ReadComponentList(componentList);
  PageTargets targets(components);
  if (targets.WritesIds() && !IdsSelect(runner_, path, targets.UncertainIds())) targets.RefuseIds();
  const PageNameList pages =
      ReadPageNameList(runner_.TempPath(DjvusedRunner::kPageListFile), settings.firstPage, settings.lastPage);
  // Only the pages of the range that the document has are read.
  const int first = std::max(settings.firstPage, 1);
  const int last = std::min(settings.lastPage, pages.pageCount);
  const bool anyPage = first <= last;

  frontEnd_.LogShow();
  const auto reading = [&] { frontEnd_.LogAppend(joblog::Reading()); };
  if (anyPage) {
    runner_.RunPagesDump(path, RangeCommands(first, last), reading);
  } else {
    reading();
  }
  frontEnd_.LogAppend(joblog::kOk);
  frontEnd_.LogAddLine(QCoreApplication::translate("CreateRun", "Создание содержания"));

  if (!anyPage) {
    throw InputError(
        QCoreApplication::translate("CreateRun", "Страницы %1–%2 не найдены в документе %3 (в нём %4 стр.)")
            .arg(QString::number(settings.firstPage), QString::number(settings.lastPage), path,
                 QString::number(pages.pageCount)));
  }
  const QList<PageData> read = ReadRangeOutput(dialect::ReadWholeFile(runner_.TempPath(DjvusedRunner::kDumpFile)), first, last);
  QList<const PageData*> textPages;  // by their place among the pages with hidden text
  for (const PageData& page : read) {
    if (!page.text.isEmpty()) textPages << &page;
  }
  const TextPageRange range{1, int(textPages.size())};
  LinkWriter writer(settings.style, range, &targets);
  ScanReport report;
  // With "fol" the targets are the pages that carry the printed numbers, from
  // the book's folio map (read only when the range has hidden text to link).
  std::optional<FolioTargets> folios;
  if (settings.bookNumbers && !textPages.isEmpty()) {
    folios.emplace(ReadBookPageNumbers(runner_, path, components), true);
  }
  FolioTargets* const folioTargets = folios ? &*folios : nullptr;
  if (IsAutomatic(settings.workType)) {
    QList<AutoPageText> texts;
    for (const PageData* page : textPages) texts << AutoPageText{page->number, page->text};
    AutoPageLinks links(AutoLinkSettings{settings.workType, settings.offset, settings.halve, settings.romanOffset,
                                         pages.pageCount, folioTargets},
                        [this, &path, &report](int previous, int current, int page,
                                               const QString& lineText) -> std::optional<int> {
                          if (!frontEnd_.IsChecked(Option::AskWhenUnclear)) return std::nullopt;
                          const int answer = frontEnd_.AskPageNumber(previous, current, {path, page, lineText});
                          report.Answered(page, current, answer);
                          return answer;
                        });
    WriteAutoLinks(texts, links, writer);
  } else {
    const TextDumpLines dump = TextDumpLines::FromText(AsTextDump(read));
    PageScan scan(dump, range,
                  ScanSettings{settings.workType, settings.offset, settings.halve, pages.pageCount, folioTargets, path},
                  writer, frontEnd_);
    scan.Run();
    report = scan.Report();
  }
  // The pages' new annotations. A page whose old annotations hold a line
  // djvused would take as the end of the data outside any record is not
  // written: its links are not made.
  QList<PageEdit> edits;
  QList<PageLinks> made;
  QList<int> refused;
  for (const PageLinks& links : writer.Pages()) {
    const PageData& page = *textPages.at(links.ordinal - 1);
    if (const std::optional<QByteArray> merged = MergeAnnotations(page.annotations, links.areas, links.text)) {
      edits << PageEdit{page.number, *merged};
      made << links;
    } else {
      refused << page.number;
    }
  }
  // What the scan left out is logged after the file's own lines.
  joblog::RangeSummary summary{settings.firstPage, settings.lastPage, pages.pageCount, {}, 0, {}, {}};
  for (const PageLinks& links : made) {
    summary.linkedPages << textPages.at(links.ordinal - 1)->number;
    summary.links += int(links.areas.size());
  }
  for (const PageData& page : read) {
    if (page.text.isEmpty()) {
      summary.pagesWithoutText << page.number;
    } else if (!summary.linkedPages.contains(page.number) && !refused.contains(page.number)) {
      summary.pagesWithoutLinks << page.number;
    }
  }
  // A range without any hidden text: is there any in the document at all?
  if (!read.isEmpty() && textPages.isEmpty()) {
    summary.documentWithoutText = !runner_.CommandsOutput(path, "output-txt").contains("set-txt");
  }
  const QStringList summaryLines = joblog::SummaryLines(summary);
  notes_ << summaryLines;
  if (summary.links > 0) linksMade_ = summaryLines.first();  // not logged if the save fails
  for (const int number : refused) {
    notes_ << QCoreApplication::translate(
                  "CreateRun",
                  "Внимание: страница %1 не изменена: в её аннотациях есть строка «.» вне записей, "
                  "djvused выполнил бы текст после неё как команды")
                  .arg(number);
  }

  notes_ << report.Lines();
  if (!made.isEmpty()) notes_ << TargetsLines(targets);
  if (folios) notes_ << folios->Lines(settings.offset);
  // A fixed offset is checked against the folios of a few of its targets.
  if (!settings.bookNumbers && !settings.halve) {
    QList<int> unreadable;
    notes_ << CheckOffset(runner_, path, components, made, &unreadable).Lines(settings.offset);
    if (!unreadable.isEmpty()) {
      notes_ << QCoreApplication::translate("CreateRun",
                                            "Внимание: djvused не может прочитать страницы %1; проверка смещения их "
                                            "пропускает")
                    .arg(joblog::PageRuns(unreadable));
    }
  }

  const OutlinePlan outline = OutlineStep(path, settings.workType, writer.Entries(), textPages, targets);
  const QByteArray script = LinkScript(frontEnd_.IsChecked(Option::RemoveOcr), edits, outline.data);
  QByteArray listing;
  if (list_ || record_) {
    QList<ListedLink> links = ListLinks(made, textPages, targets);
    MarkLevels(links, outline.entries);
    if (list_) listing = listFormat_ == ListFormat::Json ? LinksAsJson(longPath, links) : LinksAsTsv(links);
    if (record_) *record_ = Record{read, links, outline.entries, targets};
  }
  const auto write = [](QIODevice* out, const QByteArray& bytes) {
    if (out->write(bytes) != bytes.size()) {
      throw IoError(
          QCoreApplication::translate("CreateRun", "Не удалось вывести результат: %1").arg(out->errorString()));
    }
  };

  if (dryRun_) {
    // The list of the links takes the script's place.
    if (list_) {
      write(list_, listing);
    } else {
      write(dryRun_, script);
    }
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
    LogNotes();
    return;
  }

  frontEnd_.LogAddLine(joblog::Applying());
  if (script.isEmpty()) {
    // Nothing to change: the document is not saved at all.
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
  } else {
    dialect::LineWriter scriptFile(runner_.TempPath(DjvusedRunner::kScriptFile));
    scriptFile.Write(script);
    scriptFile.Close();
    runner_.ApplyScript(path, ScriptUse::CreateScript, {DjvusedRunner::kDumpFile, DjvusedRunner::kPageListFile},
                        session.ReadState(), componentList, script.size());
  }
  frontEnd_.LogAppend(joblog::kOk);
  frontEnd_.LogAddLine(joblog::Finished(path));
  LogNotes();
  if (list_) write(list_, listing);  // the links now in the document

  // The alignment follow-up; the work type that counts is the one the window shows.
  if (frontEnd_.IsChecked(Option::AlignContents) && AlignsAfter(frontEnd_.SelectedIndex(Combo::WorkType))) {
    frontEnd_.ClearFixList();
    frontEnd_.AddFixRow(FixJob::FromPath(path));
    const bool aligned = FixRun(frontEnd_, runner_).Run(backedUp);
    frontEnd_.ClearFixList();
    if (!aligned) throw RowStopped{};
  }
}
