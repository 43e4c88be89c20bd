#pragma once
// A headless front end for the job tests: it records the page-number
// questions and answers them with a function the test gives.
#include <QList>
#include <QPair>
#include <functional>

#include "core/headless_front_end.h"

class RecordingFrontEnd : public HeadlessFrontEnd {
 public:
  // (previous, current) of every question asked, and where each was asked.
  QList<QPair<int, int>> questions;
  QList<PageQuestionContext> contexts;
  // The answer; by default the recognised number is kept.
  std::function<int(int previous, int current)> answer;

  int AskPageNumber(int previous, int current, const PageQuestionContext& context = {}) override {
    questions << qMakePair(previous, current);
    contexts << context;
    return answer ? answer(previous, current) : current;
  }
  int LogShows() const { return logShows_; }
  // Where each question was asked: "FILE PAGE: LINE".
  QStringList Where() const {
    QStringList where;
    for (const PageQuestionContext& c : contexts) where << QStringLiteral("%1 %2: %3").arg(c.file).arg(c.page).arg(c.lineText);
    return where;
  }
};
