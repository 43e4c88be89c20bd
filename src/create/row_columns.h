#pragma once
// The texts of a create-list row, in the list's fixed column order: how the
// window's table holds a row and how rows are written out. Reading them into
// the typed row checks every number and colour and names the first bad one.
#include <QString>
#include <QStringList>

#include "core/create_job.h"

struct CreateColumns {
  QString Folder;    // column 0, the row's caption, ends with the path separator
  QString FileName;  // sub-item 0
  // Sub-items 1 to 12, in this order.
  QString FirstPage;  // "1 стр."
  QString LastPage;   // "2 стр."
  QString cm;         // signed page offset
  QString tp;         // WorkType: 0 contents, 1 index 1, 2 index 2, 3 and 4 automatic
  QString tpb;        // border type 0 to 6
  QString tps;        // shape: 0 rect, 1 oval
  QString col1;       // border colour RRGGBB, empty for none given
  QString col2;       // highlight colour RRGGBB, empty for none given
  QString bw;         // border width
  QString vis;        // "1" always visible
  QString pods;       // "1" highlight on
  QString del2;       // "1" halve the printed number
  // Sub-items 13 and 14, after the described twelve.
  QString ro;   // Roman offset: the document page of printed page i; empty for none
  QString fol;  // "1" targets by the book's printed page numbers, not by cm

  static constexpr int kSubItemCount = 15;

  // The 15 sub-items in column order (file name first).
  QStringList SubItems() const;
  // The inverse of SubItems; missing trailing sub-items read as empty texts.
  static CreateColumns FromColumns(const QString& caption, const QStringList& subItems);

  // The texts of a typed row.
  static CreateColumns Of(const CreateJob& job);
  // The typed row. Throws ConversionError at the first text that is not a
  // whole number or a colour, naming the field, the row (rowNumber counts from
  // 1) and its file: "Смещение в строке 2 (book.djvu): пустое значение, нужно
  // целое число"; InputError for a work type outside the five.
  CreateJob Read(int rowNumber) const;
};

// RRGGBB, six upper-case hexadecimal digits.
QString ColorToHexRgb(ColorValue value);
// The inverse; throws ConversionError when the text is not hexadecimal.
ColorValue HexRgbToColor(const QString& text);

// A numeric setting of the row rowNumber (counted from 1); throws as Read.
int ReadRowField(const CreateColumns& row, int rowNumber, QString CreateColumns::*field);

// A number typed into one of the settings' boxes, outside any row: throws
// ConversionError "Смещение: пустое значение, нужно целое число".
int ReadSettingField(const QString& text, QString CreateColumns::*field);

// How a row's settings read in the list and the log.
QString WorkTypeName(WorkType type);  // as the work-type list names it: "Содержание (авто)"
QString PagesText(const CreateSettings& settings);   // "3–5"
QString OffsetShown(const CreateSettings& settings);  // "+5", "+5, ÷2", "по номерам книги"
// The log's line about the settings a row ran with:
// "Страницы 3–5, Содержание (авто), смещение +5".
QString SettingsLine(const CreateSettings& settings);
