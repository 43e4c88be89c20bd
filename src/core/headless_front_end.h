#pragma once
// A front end without windows: the lists are vectors, the options a table and
// the log a LogText. The command line and the tests build on it.
#include <QHash>
#include <QList>

#include "core/front_end.h"
#include "core/log_text.h"

class HeadlessFrontEnd : public FrontEnd {
 public:
  void LogClear() override;
  void LogAddLine(const QString& text) override;
  void LogAppend(const QString& text) override;
  void LogShow() override;
  void ShowMessage(const QString& text) override;
  void ShowError(const QString& text) override;
  // Never asks: keeps the recognised number, as with the question switched off.
  int AskPageNumber(int previous, int current, const PageQuestionContext& context = {}) override;

  bool IsChecked(Option option) const override;
  void SetChecked(Option option, bool checked);
  ExistingOutline ExistingOutlineDecision() const override { return existingOutline_; }
  void SetExistingOutlineDecision(ExistingOutline decision) { existingOutline_ = decision; }

  int CreateRowCount() const override;
  CreateJob CreateRow(int index) const override;
  void ClearCreateList() override;
  void AddCreateRow(const CreateJob& row);

  int FixRowCount() const override;
  FixJob FixRow(int index) const override;
  void ClearFixList() override;
  void AddFixRow(const FixJob& row) override;

  void CloseMainWindow() override;

  const LogText& Log() const { return log_; }
  const QStringList& Messages() const { return messages_; }
  const QStringList& Errors() const { return errors_; }
  bool Closed() const { return closed_; }

 protected:
  // Called after every change of the log text.
  virtual void LogChanged() {}

  LogText log_;
  QStringList messages_;
  QStringList errors_;
  QHash<int, bool> options_;
  QList<CreateJob> createRows_;
  QList<FixJob> fixRows_;
  bool closed_ = false;
  int logShows_ = 0;
  ExistingOutline existingOutline_ = ExistingOutline::Replace;
};
