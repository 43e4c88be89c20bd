#pragma once
// A headless front end for the job tests: it records the page-number
// questions and answers them with a function the test gives.
#include <QList>
#include <QPair>
#include <functional>

#include "core/headless_front_end.h"

class RecordingFrontEnd : public HeadlessFrontEnd {
 public:
  // (previous, current) of every question asked.
  QList<QPair<int, int>> questions;
  // The answer; by default the recognised number is kept.
  std::function<int(int previous, int current)> answer;

  int AskPageNumber(int previous, int current) override {
    questions << qMakePair(previous, current);
    return answer ? answer(previous, current) : current;
  }
  int LogShows() const { return logShows_; }
};
