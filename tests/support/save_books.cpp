#include "support/save_books.h"

#include <QDir>
#include <QProcess>
#include <stdexcept>

namespace testdocs {

QList<Page> ContentsBook() {
  return WithBlankPagesUpTo({Page{},
                             Page{PageText({Line(1600, "Содержание"), Line(1500, "Введение 3"),
                                            Line(1400, "Глава 1 7"), Line(1300, "Глава 2 15")}),
                                  {}},
                             Page{PageText({Line(1500, "Глава 1 и ещё немного текста")}), {}}},
                            15);
}

QString MakeIndirect(const QString& bundled, const QString& folder, const QString& index) {
  QDir().mkpath(folder);
  QProcess convert;
  convert.start(RequireTool("djvmcvt"), {"-i", bundled, folder, index});
  if (!convert.waitForFinished() || convert.exitCode() != 0) throw std::runtime_error("djvmcvt failed");
  return QDir(folder).filePath(index);
}

QMap<QString, QByteArray> FilesOf(const QString& folder) {
  QMap<QString, QByteArray> files;
  for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
    files[name] = ReadFile(QDir(folder).filePath(name));
  }
  return files;
}

QByteArray Contents(const QString& book) { return OutputAnt(book) + OutputTxt(book); }

bool Opens(const QString& file) {
  QProcess djvused;
  djvused.start(RequireTool("djvused"), {file, "-e", "n; dump"});
  return djvused.waitForFinished() && djvused.exitStatus() == QProcess::NormalExit && djvused.exitCode() == 0;
}

}  // namespace testdocs
