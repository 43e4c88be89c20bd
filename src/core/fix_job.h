#pragma once
// A row of the fix list: the folder (ending with the path separator) and the
// file name of one document to align.
#include <QString>

struct FixJob {
  QString Folder;
  QString FileName;

  QString FullPath() const { return Folder + FileName; }
  // Splits a path into its folder part (with the separator) and its name.
  static FixJob FromPath(const QString& path);
};
