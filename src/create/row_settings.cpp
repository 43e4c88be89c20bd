#include "create/row_settings.h"

#include "core/errors.h"
#include "djvused/script_dialect.h"

RowSettings ReadRowSettings(const CreateJob& row) {
  using dialect::ParseInt32;
  RowSettings s;
  s.firstPage = ParseInt32(row.FirstPage);
  s.lastPage = ParseInt32(row.LastPage);
  s.offset = ParseInt32(row.cm);
  const int workType = ParseInt32(row.tp);
  const int borderType = ParseInt32(row.tpb);
  const int linkShape = ParseInt32(row.tps);
  const int borderWidth = ParseInt32(row.bw);
  const int alwaysVisible = ParseInt32(row.vis);
  const int highlight = ParseInt32(row.pods);
  s.halve = ParseInt32(row.del2) == 1;
  if (!row.ro.isEmpty()) s.romanOffset = ParseInt32(row.ro);
  s.bookNumbers = row.fol == QLatin1String("1");
  if (workType < 0 || workType > int(WorkType::IndexAuto)) {
    throw InputError(QStringLiteral("Неверно задан вид работы: %1").arg(row.tp));
  }
  s.workType = WorkType(workType);
  s.style = BuildLinkStyle(linkShape, borderType, row.col1, borderWidth, alwaysVisible, highlight, row.col2);
  return s;
}
