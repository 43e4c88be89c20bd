#include "create/row_settings.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

#include "core/errors.h"
#include "djvused/script_dialect.h"

namespace {

// The caption of each numeric column, as the user knows it.
struct Field {
  QString CreateJob::*member;
  const char* name;
};
constexpr Field kFields[] = {
    {&CreateJob::FirstPage, QT_TRANSLATE_NOOP("RowSettings", "Первая страница")},
    {&CreateJob::LastPage, QT_TRANSLATE_NOOP("RowSettings", "Последняя страница")},
    {&CreateJob::cm, QT_TRANSLATE_NOOP("RowSettings", "Смещение")},
    {&CreateJob::tp, QT_TRANSLATE_NOOP("RowSettings", "Тип работы")},
    {&CreateJob::tpb, QT_TRANSLATE_NOOP("RowSettings", "Тип границы")},
    {&CreateJob::tps, QT_TRANSLATE_NOOP("RowSettings", "Форма ссылки")},
    {&CreateJob::bw, QT_TRANSLATE_NOOP("RowSettings", "Ширина границы")},
    {&CreateJob::vis, QT_TRANSLATE_NOOP("RowSettings", "Всегда видно")},
    {&CreateJob::pods, QT_TRANSLATE_NOOP("RowSettings", "Подсветка области")},
    {&CreateJob::del2, QT_TRANSLATE_NOOP("RowSettings", "Делить на 2")},
    {&CreateJob::ro, QT_TRANSLATE_NOOP("RowSettings", "Стр. i")},
};

}  // namespace

int ReadRowField(const CreateJob& row, int rowNumber, QString CreateJob::*field) {
  const QByteArray text = (row.*field).toUtf8();
  if (const std::optional<int> value = dialect::ToInt32(text)) return *value;
  const auto known = std::find_if(std::begin(kFields), std::end(kFields), [&](const Field& f) { return f.member == field; });
  const QString name = known == std::end(kFields) ? QString() : QCoreApplication::translate("RowSettings", known->name);
  throw ConversionError(QCoreApplication::translate("RowSettings", "%1 в строке %2 (%3): %4")
                            .arg(name, QString::number(rowNumber), row.FileName, dialect::IntegerFault(text)));
}

RowSettings ReadRowSettings(const CreateJob& row, int rowNumber) {
  const auto read = [&](QString CreateJob::*field) { return ReadRowField(row, rowNumber, field); };
  RowSettings s;
  s.firstPage = read(&CreateJob::FirstPage);
  s.lastPage = read(&CreateJob::LastPage);
  s.offset = read(&CreateJob::cm);
  const int workType = read(&CreateJob::tp);
  const int borderType = read(&CreateJob::tpb);
  const int linkShape = read(&CreateJob::tps);
  const int borderWidth = read(&CreateJob::bw);
  const int alwaysVisible = read(&CreateJob::vis);
  const int highlight = read(&CreateJob::pods);
  s.halve = read(&CreateJob::del2) == 1;
  if (!row.ro.isEmpty()) s.romanOffset = read(&CreateJob::ro);
  s.bookNumbers = row.fol == QLatin1String("1");
  if (workType < 0 || workType > int(WorkType::IndexAuto)) {
    throw InputError(QCoreApplication::translate("RowSettings", "Неверно задан вид работы: %1").arg(row.tp));
  }
  s.workType = WorkType(workType);
  s.style = BuildLinkStyle(linkShape, borderType, row.col1, borderWidth, alwaysVisible, highlight, row.col2);
  return s;
}
