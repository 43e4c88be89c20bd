#pragma once
// A row of the create list: a document and the settings it is to be linked with.
#include <QString>

#include "core/create_settings.h"

struct CreateJob {
  QString Folder;    // ends with the path separator
  QString FileName;
  CreateSettings settings;

  QString FullPath() const { return Folder + FileName; }
};
