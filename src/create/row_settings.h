#pragma once
// A create-list row's settings as the create run uses them: every numeric
// column converted, in column order, before the document is touched.
#include <QString>
#include <optional>

#include "core/create_job.h"
#include "create/link_style.h"
#include "create/recognition.h"

struct RowSettings {
  int firstPage = 1, lastPage = 1;
  int offset = 0;  // "cm"
  WorkType workType = WorkType::Contents;
  LinkStyle style;
  bool halve = false;  // "del2"
  std::optional<int> romanOffset;  // "ro": the document page of printed page i; empty for none
  bool bookNumbers = false;        // "fol": targets through the book's printed page numbers
};

// A numeric setting of the create list's row rowNumber (counted from 1).
// Throws ConversionError naming the field, the row and its file: "Смещение в
// строке 2 (book.djvu): пустое значение, нужно целое число".
int ReadRowField(const CreateJob& row, int rowNumber, QString CreateJob::*field);

// Throws ConversionError (as ReadRowField) at the first column text that is
// not a whole number, InputError for a work type outside the five.
RowSettings ReadRowSettings(const CreateJob& row, int rowNumber);
