#pragma once
// The options a job reads, by name. They are read from the front end each
// time they are asked for, so a box the user ticks during a run counts from
// the next file on, as the window shows it.
#include "core/front_end.h"

class RunOptions {
 public:
  explicit RunOptions(const FrontEnd& frontEnd) : frontEnd_(frontEnd) {}

  bool RemoveOcr() const { return frontEnd_.IsChecked(Option::RemoveOcr); }
  bool AskWhenUnclear() const { return frontEnd_.IsChecked(Option::AskWhenUnclear); }
  bool AlignAfter() const { return frontEnd_.IsChecked(Option::AlignContents); }
  bool Outline() const { return frontEnd_.IsChecked(Option::CreateOutline); }
  bool ReadPageImages() const { return frontEnd_.IsChecked(Option::ReadPageImages); }
  bool StorePageText() const { return frontEnd_.IsChecked(Option::StorePageText); }
  bool KeepExistingOutline() const { return frontEnd_.ExistingOutlineDecision() == ExistingOutline::Keep; }
  bool CreateBackup() const { return frontEnd_.IsChecked(Option::CreateBackup); }
  bool FixBackup() const { return frontEnd_.IsChecked(Option::FixBackup); }
  // The end-of-run options of each tab.
  bool ClearCreateList() const { return frontEnd_.IsChecked(Option::CreateClearList); }
  bool CloseAfterCreate() const { return frontEnd_.IsChecked(Option::CreateClose); }
  bool ClearFixList() const { return frontEnd_.IsChecked(Option::FixClearList); }
  bool CloseAfterFix() const { return frontEnd_.IsChecked(Option::FixClose); }

 private:
  const FrontEnd& frontEnd_;
};
