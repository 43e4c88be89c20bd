#include "support/stand_in_djvused.h"

#include <QDir>
#include <QFile>

#include "support/djvu_documents.h"

namespace testdocs {

QString WriteFaultyDjvused(const QString& folder, const QString& pattern, const QString& action) {
  QDir().mkpath(folder);
  const QString path = QDir(folder).filePath(QStringLiteral("djvused"));
  const QString script = QStringLiteral(
                             "#!/bin/sh\n"
                             "REAL='%1'\n"
                             "case \" $* \" in\n"
                             "  %2)\n"
                             "%3\n"
                             "    ;;\n"
                             "esac\n"
                             "exec \"$REAL\" \"$@\"\n")
                             .arg(RequireTool(QStringLiteral("djvused")), pattern, action);
  WriteFile(path, script.toUtf8());
  QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
  return folder;
}

QString WriteStandInDjvused(const QString& folder, const QString& onSave) {
  return WriteFaultyDjvused(folder, QStringLiteral("*' -s '*"), onSave);
}

}  // namespace testdocs
