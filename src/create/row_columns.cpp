#include "create/row_columns.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

#include "core/errors.h"
#include "djvused/script_dialect.h"
#include "folios/folio_map.h"

namespace {

// The caption of each numeric column, as the user knows it.
struct Field {
  QString CreateColumns::*member;
  const char* name;
};
constexpr Field kFields[] = {
    {&CreateColumns::FirstPage, QT_TRANSLATE_NOOP("RowSettings", "Первая страница")},
    {&CreateColumns::LastPage, QT_TRANSLATE_NOOP("RowSettings", "Последняя страница")},
    {&CreateColumns::cm, QT_TRANSLATE_NOOP("RowSettings", "Смещение")},
    {&CreateColumns::tp, QT_TRANSLATE_NOOP("RowSettings", "Тип работы")},
    {&CreateColumns::tpb, QT_TRANSLATE_NOOP("RowSettings", "Тип границы")},
    {&CreateColumns::tps, QT_TRANSLATE_NOOP("RowSettings", "Форма ссылки")},
    {&CreateColumns::bw, QT_TRANSLATE_NOOP("RowSettings", "Ширина границы")},
    {&CreateColumns::vis, QT_TRANSLATE_NOOP("RowSettings", "Всегда видно")},
    {&CreateColumns::pods, QT_TRANSLATE_NOOP("RowSettings", "Подсветка области")},
    {&CreateColumns::del2, QT_TRANSLATE_NOOP("RowSettings", "Делить на 2")},
    {&CreateColumns::ro, QT_TRANSLATE_NOOP("RowSettings", "Стр. i")},
};

QString FieldName(QString CreateColumns::*field) {
  const auto known = std::find_if(std::begin(kFields), std::end(kFields), [&](const Field& f) { return f.member == field; });
  return known == std::end(kFields) ? QString() : QCoreApplication::translate("RowSettings", known->name);
}

QString Flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

QString ColorText(const std::optional<ColorValue>& color) { return color ? ColorToHexRgb(*color) : QString(); }

std::optional<ColorValue> ReadColor(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  return HexRgbToColor(text);
}

}  // namespace

QStringList CreateColumns::SubItems() const {
  return {FileName, FirstPage, LastPage, cm, tp, tpb, tps, col1, col2, bw, vis, pods, del2, ro, fol};
}

CreateColumns CreateColumns::FromColumns(const QString& caption, const QStringList& subItems) {
  const auto at = [&](int i) { return i < subItems.size() ? subItems[i] : QString(); };
  CreateColumns row;
  row.Folder = caption;
  QString* fields[] = {&row.FileName, &row.FirstPage, &row.LastPage, &row.cm,   &row.tp,
                       &row.tpb,      &row.tps,       &row.col1,     &row.col2, &row.bw,
                       &row.vis,      &row.pods,      &row.del2,     &row.ro,   &row.fol};
  for (int i = 0; i < kSubItemCount; ++i) *fields[i] = at(i);
  return row;
}

CreateColumns CreateColumns::Of(const CreateJob& job) {
  const CreateSettings& s = job.settings;
  CreateColumns row;
  row.Folder = job.Folder;
  row.FileName = job.FileName;
  row.FirstPage = QString::number(s.firstPage);
  row.LastPage = QString::number(s.lastPage);
  row.cm = QString::number(s.offset);
  row.tp = QString::number(int(s.workType));
  row.tpb = QString::number(s.look.borderType);
  row.tps = QString::number(s.look.shape);
  row.col1 = ColorText(s.look.borderColor);
  row.col2 = ColorText(s.look.highlightColor);
  row.bw = QString::number(s.look.borderWidth);
  row.vis = Flag(s.look.alwaysVisible);
  row.pods = Flag(s.look.highlight);
  row.del2 = Flag(s.halve);
  row.ro = s.romanOffset ? QString::number(*s.romanOffset) : QString();
  row.fol = Flag(s.bookNumbers);
  return row;
}

CreateJob CreateColumns::Read(int rowNumber) const {
  const auto read = [&](QString CreateColumns::*field) { return ReadRowField(*this, rowNumber, field); };
  CreateJob job;
  job.Folder = Folder;
  job.FileName = FileName;
  CreateSettings& s = job.settings;
  s.firstPage = read(&CreateColumns::FirstPage);
  s.lastPage = read(&CreateColumns::LastPage);
  s.offset = read(&CreateColumns::cm);
  const int workType = read(&CreateColumns::tp);
  s.look.borderType = read(&CreateColumns::tpb);
  s.look.shape = read(&CreateColumns::tps);
  s.look.borderWidth = read(&CreateColumns::bw);
  s.look.alwaysVisible = read(&CreateColumns::vis) == 1;
  s.look.highlight = read(&CreateColumns::pods) == 1;
  s.halve = read(&CreateColumns::del2) == 1;
  if (!ro.isEmpty()) s.romanOffset = read(&CreateColumns::ro);
  s.bookNumbers = fol == QLatin1String("1");
  if (workType < 0 || workType >= kWorkTypeCount) {
    throw InputError(QCoreApplication::translate("RowSettings", "Неверно задан вид работы: %1").arg(tp));
  }
  s.workType = WorkType(workType);
  s.look.borderColor = ReadColor(col1);
  s.look.highlightColor = ReadColor(col2);
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

int ReadRowField(const CreateColumns& row, int rowNumber, QString CreateColumns::*field) {
  const QByteArray text = (row.*field).toUtf8();
  if (const std::optional<int> value = dialect::ToInt32(text)) return *value;
  throw ConversionError(QCoreApplication::translate("RowSettings", "%1 в строке %2 (%3): %4")
                            .arg(FieldName(field), QString::number(rowNumber), row.FileName, dialect::IntegerFault(text)));
}

int ReadSettingField(const QString& text, QString CreateColumns::*field) {
  const QByteArray bytes = text.toUtf8();
  if (const std::optional<int> value = dialect::ToInt32(bytes)) return *value;
  throw ConversionError(QCoreApplication::translate("RowSettings", "%1: %2").arg(FieldName(field), dialect::IntegerFault(bytes)));
}

QString WorkTypeName(WorkType type) {
  static const char* const kNames[kWorkTypeCount] = {
      QT_TRANSLATE_NOOP("RowSettings", "Содержание"), QT_TRANSLATE_NOOP("RowSettings", "Алфавитный указатель 1"),
      QT_TRANSLATE_NOOP("RowSettings", "Алфавитный указатель 2"), QT_TRANSLATE_NOOP("RowSettings", "Содержание (авто)"),
      QT_TRANSLATE_NOOP("RowSettings", "Указатель (авто)"), QT_TRANSLATE_NOOP("RowSettings", "Книга целиком (авто)")};
  return QCoreApplication::translate("RowSettings", kNames[qBound(0, int(type), kWorkTypeCount - 1)]);
}

QString PagesText(const CreateSettings& settings) {
  if (settings.firstPage == settings.lastPage) return QString::number(settings.firstPage);
  if (settings.lastPage == kToTheEnd) {
    return QCoreApplication::translate("RowSettings", "%1–конец").arg(settings.firstPage);
  }
  return QStringLiteral("%1–%2").arg(settings.firstPage).arg(settings.lastPage);
}

QString OffsetShown(const CreateSettings& settings) {
  if (settings.bookNumbers) return QCoreApplication::translate("RowSettings", "по номерам книги");
  const QString offset = OffsetText(settings.offset);
  return settings.halve ? offset + QStringLiteral(", ÷2") : offset;
}

QString SettingsLine(const CreateSettings& settings) {
  return QCoreApplication::translate("RowSettings", "Страницы %1, %2, смещение %3")
      .arg(PagesText(settings), WorkTypeName(settings.workType), OffsetShown(settings));
}
