#include "core/job_batch.h"

#include <QStringList>

#include "core/errors.h"
#include "core/job_log.h"

namespace joblog {

bool RunBatch(FrontEnd& frontEnd, const Batch& batch) {
  const auto settle = [&](RowEnd end) {
    if (batch.settle) batch.settle(end);
  };
  int i = 0;
  try {
    for (; i < batch.rowCount(); ++i) {
      if (!batch.process(i)) {
        settle(RowEnd::Stopped);
        break;
      }
    }
    if (i >= batch.rowCount()) return true;
  } catch (const DjvusedError& e) {
    LogFailure(frontEnd, e.Message());
    settle(RowEnd::Failed);
  } catch (const QuillmarkError& e) {
    settle(RowEnd::Failed);
    frontEnd.ShowError(e.Message());
  }
  QStringList rest;
  for (int after = i + 1; after < batch.rowCount(); ++after) {
    const QString name = batch.fileName(after);
    if (!name.isEmpty()) rest << name;
  }
  LogNotProcessed(frontEnd, rest);
  return false;
}

}  // namespace joblog
