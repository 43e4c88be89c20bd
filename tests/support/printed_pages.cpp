#include "support/printed_pages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

#include "support/djvu_documents.h"

namespace testdocs {
namespace {

void Run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(RequireTool(tool), arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    throw std::runtime_error(tool.toStdString() + " failed: " + process.readAllStandardError().toStdString());
  }
}

QString PrintedPage(const QTemporaryDir& dir, int number, const QStringList& lines) {
  QImage picture(kPageWidth, kPageHeight, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(Qt::black);
  painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 28));
  for (int i = 0; i < lines.size(); ++i) painter.drawText(150, 250 + 90 * i, lines[i]);
  painter.end();
  const QString pbm = dir.filePath(QStringLiteral("p%1.pbm").arg(number));
  const QString page = dir.filePath(QStringLiteral("p%1.djvu").arg(number));
  if (!picture.convertToFormat(QImage::Format_Mono).save(pbm, "PBM")) throw std::runtime_error("no PBM written");
  Run(QStringLiteral("cjb2"), {QStringLiteral("-dpi"), QStringLiteral("300"), pbm, page});
  return page;
}

}  // namespace

void BookOfPrintedLines(const QString& path, const QStringList& lines, int pageCount) {
  BookOfPrintedPages(path, {{1, lines}}, pageCount);
}

void BookOfPrintedPages(const QString& path, const QMap<int, QStringList>& pages, int pageCount) {
  QTemporaryDir dir;
  QStringList files;
  for (int number = 1; number <= pageCount; ++number) files << PrintedPage(dir, number, pages.value(number));
  Run(QStringLiteral("djvm"), QStringList{QStringLiteral("-c"), path} + files);
}

}  // namespace testdocs
