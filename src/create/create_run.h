#pragma once
// The create run ("Создать"): walks the create list top first and, for each
// document, dumps its page list and hidden text, writes a link script over the
// recognised entries and applies it. Talks to its front end only through
// FrontEnd; every djvused call goes through the DjvusedRunner.
#include <QIODevice>
#include <QStringList>

#include "core/front_end.h"
#include "create/link_listing.h"
#include "create/link_writer.h"
#include "create/outline_entries.h"
#include "create/range_read.h"
#include "create/recognition.h"
#include "djvused/djvused_runner.h"

class CreateRun {
 public:
  CreateRun(FrontEnd& frontEnd, DjvusedRunner& runner);

  // When set, each document's link script is written here instead of being
  // applied, and no document or backup is touched (the command line's --dry-run).
  void SetDryRunOutput(QIODevice* output) { dryRun_ = output; }
  // When set, the links of each document are listed here (one tab-separated
  // line per link, or a JSON object per document); with a dry run instead of
  // its script.
  enum class ListFormat { Tsv, Json };
  void SetListOutput(QIODevice* output, ListFormat format) {
    list_ = output;
    listFormat_ = format;
  }

  // When set, the last document's pages as read (size, hidden text, the
  // annotations it had) and the links made on them are kept here as well:
  // what the preview window shows after its dry run.
  struct Record {
    QList<PageData> pages;
    QList<ListedLink> links;
    QList<OutlineEntry> outline;  // the bookmarks made, with their levels; empty: none
    PageTargets targets;          // how the document's links name and find their pages
  };
  void SetRecordOutput(Record* record) { record_ = record; }

  // Button3Click. True when every row was finished; false when the run
  // stopped early (a precondition message, an error shown to the user).
  bool Run();

 private:
  bool RunRows();
  // rowNumber counts from 1, for messages.
  void ProcessRow(const CreateJob& row, int rowNumber);
  // Lines about leftovers of killed runs found on the row's book, logged
  // after the file's own lines.
  void LogNotes();
  // The outline when it is asked for (its data empty otherwise); its log lines join the notes.
  OutlinePlan OutlineStep(const QString& path, WorkType type, const QList<LinkedEntry>& entries,
                         const QList<const PageData*>& textPages, const PageTargets& targets);

  FrontEnd& frontEnd_;
  DjvusedRunner& runner_;
  QIODevice* dryRun_ = nullptr;
  QIODevice* list_ = nullptr;
  Record* record_ = nullptr;
  ListFormat listFormat_ = ListFormat::Tsv;
  QStringList notes_;
  QString linksMade_;  // the row's "links made" line among the notes, dropped when the row fails
};
