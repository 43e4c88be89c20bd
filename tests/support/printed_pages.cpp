#include "support/printed_pages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
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

QFont PrintedFont() { return QFont(QStringLiteral("DejaVu Serif"), 28); }

// Line i's baseline, from the top of the picture.
int Baseline(int i) { return 250 + 90 * i; }

QString PrintedPageFile(const QTemporaryDir& dir, int number, const QStringList& lines) {
  QImage picture(kPageWidth, kPageHeight, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(Qt::black);
  painter.setFont(PrintedFont());
  for (int i = 0; i < lines.size(); ++i) painter.drawText(150, Baseline(i), lines[i]);
  painter.end();
  const QString pbm = dir.filePath(QStringLiteral("p%1.pbm").arg(number));
  const QString page = dir.filePath(QStringLiteral("p%1.djvu").arg(number));
  if (!picture.convertToFormat(QImage::Format_Mono).save(pbm, "PBM")) throw std::runtime_error("no PBM written");
  Run(QStringLiteral("cjb2"), {QStringLiteral("-dpi"), QStringLiteral("300"), pbm, page});
  return page;
}

// The drawn words of a page as hidden text, each over its picture (the
// picture's rows counted from the bottom, as the text layer counts them).
QByteArray DrawnText(const PrintedPage& page) {
  QImage device(kPageWidth, kPageHeight, QImage::Format_RGB32);
  const QFontMetrics metrics(PrintedFont(), &device);
  QList<TextLine> lines;
  for (int i = 0; i < page.lines.size(); ++i) {
    const int bottom = kPageHeight - (Baseline(i) + metrics.descent());
    const int top = kPageHeight - (Baseline(i) - metrics.ascent());
    TextLine line{150, bottom, 150, top, {}};
    int x = 150;
    for (const QString& word : page.lines[i].split(QLatin1Char(' '))) {
      const int right = x + metrics.horizontalAdvance(word);
      line.words << Word{x, bottom, right, top, page.misread.value(word, word)};
      line.right = right;
      x += metrics.horizontalAdvance(word + QLatin1Char(' '));
    }
    lines << line;
  }
  return PageText(lines);
}

}  // namespace

void BookOfPrintedLines(const QString& path, const QStringList& lines, int pageCount) {
  QList<PrintedPage> pages(pageCount);
  pages[0].lines = lines;
  BookOfPrintedPages(path, pages);
}

void BookOfPrintedPages(const QString& path, const QList<PrintedPage>& pages) {
  QTemporaryDir dir;
  QStringList files;
  QByteArray script;
  for (int number = 1; number <= pages.size(); ++number) {
    const PrintedPage& page = pages[number - 1];
    files << PrintedPageFile(dir, number, page.lines);
    if (page.hiddenText && !page.lines.isEmpty()) script += QStringLiteral("select %1\nset-txt\n").arg(number).toLatin1() + DrawnText(page) + "\n.\n";
  }
  QFile::remove(path);
  Run(QStringLiteral("djvm"), QStringList{QStringLiteral("-c"), path} + files);
  if (script.isEmpty()) return;
  const QString scriptPath = dir.filePath(QStringLiteral("text.dsed"));
  WriteFile(scriptPath, script);
  Run(QStringLiteral("djvused"), {path, QStringLiteral("-f"), scriptPath, QStringLiteral("-s")});
}

}  // namespace testdocs
