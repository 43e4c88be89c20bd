#include "core/fix_job.h"

FixJob FixJob::FromPath(const QString& path) {
  const qsizetype cut = path.lastIndexOf(QLatin1Char('/')) + 1;
  return FixJob{path.left(cut), path.mid(cut)};
}
