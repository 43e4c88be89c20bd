#include "support/stand_in_djvused.h"

#include <QDir>
#include <QFile>

#include "support/djvu_documents.h"

namespace testdocs {

QString WriteStandInDjvused(const QString& folder, const QString& onSave) {
  QDir().mkpath(folder);
  const QString real = RequireTool(QStringLiteral("djvused"));
  const QString path = QDir(folder).filePath(QStringLiteral("djvused"));
  const QString script = QStringLiteral(
                             "#!/bin/sh\n"
                             "for a in \"$@\"; do\n"
                             "  if [ \"$a\" = \"-s\" ]; then\n"
                             "%1\n"
                             "  fi\n"
                             "done\n"
                             "exec '%2' \"$@\"\n")
                             .arg(onSave, real);
  WriteFile(path, script.toUtf8());
  QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
  return folder;
}

}  // namespace testdocs
