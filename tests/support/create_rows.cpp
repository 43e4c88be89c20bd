#include "support/create_rows.h"

#include "core/fix_job.h"
#include "create/row_columns.h"

namespace testdocs {

CreateJob Row(const QString& path, int first, int last, const QString& mode, const QString& offset) {
  const FixJob place = FixJob::FromPath(path);
  return CreateColumns::FromColumns(place.Folder, {place.FileName, QString::number(first), QString::number(last),
                                                   offset, mode, "1", "0", "000000", "000000", "0", "0", "0", "0"})
      .Read(1);
}

}  // namespace testdocs
