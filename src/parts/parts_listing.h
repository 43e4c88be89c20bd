#pragma once
// A book's survey as quillmark-cli prints it for scripts: tab-separated
// lines, or one JSON object per book.
#include <QByteArray>
#include <QString>

#include "parts/book_survey.h"

// One line per part, each led by the file as named:
//   FILE <tab> KIND <tab> FIRST <tab> LAST <tab> main|- <tab> ENTRIES
// (KIND contents, figures, tables or index; pages of the document), then
//   FILE <tab> offset <tab> +N   (the book's main offset, "-" when none)
// and one line per line of the folio map as "offsets" prints it:
//   FILE <tab> folios <tab> стр. 7-120: номера 1-114, смещение +6
QByteArray SurveyAsLines(const QString& file, const BookSurvey& survey);

// {"file", "pages", "parts": [{"kind", "first", "last", "main", "entries"}],
//  "offset" (null when none), "folios": [{"first", "last", "printed_first",
//  "printed_last", "offset", "roman"}]} on one line.
QByteArray SurveyAsJson(const QString& file, const BookSurvey& survey);
