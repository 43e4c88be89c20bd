#pragma once
// The batch loop both jobs share: the rows of a list, top first, each to the
// end or to the first row that cannot be finished. A djvused failure is
// logged, any other error shown in the error box; then the files of the rows
// after it are named in the log ("Не обработаны: …").
#include <QString>
#include <functional>

#include "core/front_end.h"

namespace joblog {

enum class RowEnd {
  Stopped,  // the row stopped with a message of its own already shown
  Failed,   // the row failed with an error
};

struct Batch {
  std::function<int()> rowCount;           // read anew after each row: the list may change
  std::function<QString(int)> fileName;    // the file of row i, for the rows not processed (empty: gone)
  std::function<bool(int)> process;        // false: the row stopped (RowEnd::Stopped)
  std::function<void(RowEnd)> settle = {}; // the job's own last lines for a row that did not finish,
                                           // after a djvused failure is logged, before an error box
};

// True when every row was finished.
bool RunBatch(FrontEnd& frontEnd, const Batch& batch);

}  // namespace joblog
