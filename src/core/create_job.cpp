#include "core/create_job.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <algorithm>

QStringList CreateJob::SubItems() const {
  return {FileName, FirstPage, LastPage, cm, tp, tpb, tps, col1, col2, bw, vis, pods, del2, ro, fol};
}

CreateJob CreateJob::FromColumns(const QString& caption, const QStringList& subItems) {
  const auto at = [&](int i) { return i < subItems.size() ? subItems[i] : QString(); };
  CreateJob job;
  job.Folder = caption;
  QString* fields[] = {&job.FileName, &job.FirstPage, &job.LastPage, &job.cm,   &job.tp,
                       &job.tpb,      &job.tps,       &job.col1,     &job.col2, &job.bw,
                       &job.vis,      &job.pods,      &job.del2,     &job.ro, &job.fol};
  for (int i = 0; i < kSubItemCount; ++i) *fields[i] = at(i);
  return job;
}

QString ColorToHexRgb(ColorValue value) {
  // BBGGRR with at least six digits; characters 5-6, 3-4 and 1-2 give RRGGBB.
  const QString bgr = QString::number(value, 16).toUpper().rightJustified(6, QLatin1Char('0'));
  return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

ColorValue HexRgbToColor(const QString& text) {
  const QString bgr = text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2);
  const bool hex = !bgr.isEmpty() && std::all_of(bgr.begin(), bgr.end(), [](QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
  });
  if (!hex) throw ConversionError(QCoreApplication::translate("CreateJob", "«%1» не цвет RRGGBB").arg(text));
  return bgr.toUInt(nullptr, 16);
}
