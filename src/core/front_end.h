#pragma once
// What the jobs (the create run and the fix job) need of their front end: the
// log, message boxes, the page-number question, the live state of the options
// they read, and the list rows. The main window implements it with its
// controls and dialogs; the command line and the tests implement it headless.
#include <QString>

#include "core/create_job.h"
#include "core/fix_job.h"

// The check boxes that the jobs read when they need them.
enum class Option {
  CreateBackup,     // CheckBox6 "Создавать резервную копию" (create tab)
  RemoveOcr,        // CheckBox12 "Удалять OCR"
  AskWhenUnclear,   // CheckBox10 "Спрашивать когда непонятно"
  AlignContents,    // CheckBox7 "Выровнять содержание"
  CreateClearList,  // CheckBox4 "Очистить список по завершению" (create tab)
  CreateClose,      // CheckBox5 "Закрыть по завершению" (create tab)
  FixBackup,        // CheckBox3 "Создавать резервную копию" (fix tab)
  FixClearList,     // CheckBox2 "Очистить список по завершению" (fix tab)
  FixClose,         // CheckBox1 "Закрыть по завершению" (fix tab)
  CreateOutline,    // CheckBoxOutline "Создать закладки" (create tab): the outline from the contents
  ReadPageImages,   // the automatic types read pages without hidden text from their images (--ocr)
  StorePageText,    // and store the text read in the book (--ocr write)
};

// What the create run does with an outline the book already has when it
// makes bookmarks: the window asks (replace, keep or cancel the run) before
// the run; the command line keeps it unless told to replace it.
enum class ExistingOutline {
  Replace,
  Keep,
};

// Where a page-number question comes from, shown with it so it can be answered.
struct PageQuestionContext {
  QString file;      // the document's path
  int page = 0;      // the document page of the entry
  QString lineText;  // the text of the entry's line (as read; may be approximate)
};

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  // The log operations.
  virtual void LogClear() = 0;
  virtual void LogAddLine(const QString& text) = 0;
  virtual void LogAppend(const QString& text) = 0;
  virtual void LogShow() = 0;

  // A message box with the application title and one OK button.
  virtual void ShowMessage(const QString& text) = 0;
  // The general error box, for a failure that stops a job.
  virtual void ShowError(const QString& text) = 0;

  // The page-number question: shows the previous and the current number (and
  // where the entry stands, when known) and returns the number to use. It may
  // uncheck Option::AskWhenUnclear.
  virtual int AskPageNumber(int previous, int current, const PageQuestionContext& context = {}) = 0;

  virtual bool IsChecked(Option option) const = 0;
  // The decision for a book that has bookmarks; replaced unless the front end says otherwise.
  virtual ExistingOutline ExistingOutlineDecision() const { return ExistingOutline::Replace; }

  virtual int CreateRowCount() const = 0;
  virtual CreateJob CreateRow(int index) const = 0;
  virtual void ClearCreateList() = 0;

  virtual int FixRowCount() const = 0;
  virtual FixJob FixRow(int index) const = 0;
  virtual void ClearFixList() = 0;
  virtual void AddFixRow(const FixJob& row) = 0;

  // Closes the main window, which ends the program.
  virtual void CloseMainWindow() = 0;
};
