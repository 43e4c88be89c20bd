#pragma once
// The pieces the create run's tests build their books and rows from.
#include <QString>

#include "core/create_job.h"
#include "support/djvu_documents.h"

namespace testdocs {

// A create-list row over pages first-last with the work type's code and the
// offset, making rectangles with an xor border.
CreateJob Row(const QString& path, int first, int last, const QString& mode, const QString& offset);

}  // namespace testdocs
