#pragma once
// A row of the create list: a document and the twelve link settings that stood
// on the create tab when it was added, all kept as texts in a fixed column order,
// then the settings added after them (Roman offset, the book's page numbers).
#include <QString>
#include <QStringList>
#include <QtGlobal>

struct CreateJob {
  QString Folder;    // column 0, the row's caption, ends with the path separator
  QString FileName;  // sub-item 0
  // Sub-items 1 to 12, in this order.
  QString FirstPage;  // "1 стр."
  QString LastPage;   // "2 стр."
  QString cm;         // signed page offset
  QString tp;         // WorkType: 0 contents, 1 index 1, 2 index 2
  QString tpb;        // BorderType 0 to 6
  QString tps;        // LinkShape: 0 rect, 1 oval
  QString col1;       // border colour RRGGBB
  QString col2;       // highlight colour RRGGBB
  QString bw;         // border width
  QString vis;        // "1" always visible
  QString pods;       // "1" highlight on
  QString del2;       // "1" halve the printed number
  // Sub-items 13 and 14, after the described twelve.
  QString ro;   // Roman offset: the document page of printed page i; empty for none
  QString fol;  // "1" targets by the book's printed page numbers, not by cm

  static constexpr int kSubItemCount = 15;

  QString FullPath() const { return Folder + FileName; }
  // The 15 sub-items in column order (file name first).
  QStringList SubItems() const;
  // The inverse of SubItems; missing trailing sub-items read as empty texts.
  static CreateJob FromColumns(const QString& caption, const QStringList& subItems);
};

// A colour value of the platform, red in the lowest byte: 0x00BBGGRR.
using ColorValue = quint32;

// RRGGBB, six upper-case hexadecimal digits.
QString ColorToHexRgb(ColorValue value);
// The inverse; throws ConversionError when the text is not hexadecimal.
ColorValue HexRgbToColor(const QString& text);
