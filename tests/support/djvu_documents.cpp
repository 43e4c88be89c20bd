#include "support/djvu_documents.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <stdexcept>

namespace testdocs {

namespace {

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

QByteArray RunTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  process.setProcessEnvironment(env);
  process.start(RequireTool(tool), arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    Fail(QStringLiteral("%1 %2 failed: %3")
             .arg(tool, arguments.join(QLatin1Char(' ')), QString::fromUtf8(process.readAllStandardError())));
  }
  return process.readAllStandardOutput();
}

// One white page, made once per test program and copied for every page.
QString BlankPage() {
  static QTemporaryDir folder;
  const QString page = folder.filePath(QStringLiteral("blank.djvu"));
  if (!QFile::exists(page)) {
    const int rowBytes = (kPageWidth + 7) / 8;
    QByteArray pbm = QStringLiteral("P4\n%1 %2\n").arg(kPageWidth).arg(kPageHeight).toLatin1();
    pbm += QByteArray(rowBytes * 200, '\0');
    pbm += QByteArray(rowBytes * 30, '\xff');  // one black bar, so the page is not empty
    pbm += QByteArray(rowBytes * (kPageHeight - 230), '\0');
    const QString pbmPath = folder.filePath(QStringLiteral("blank.pbm"));
    WriteFile(pbmPath, pbm);
    RunTool(QStringLiteral("cjb2"), {pbmPath, page});
  }
  return page;
}

}  // namespace

QString RequireTool(const QString& name) {
  const QString path = QStandardPaths::findExecutable(name);
  if (path.isEmpty()) Fail(QStringLiteral("%1 is not installed (Debian package djvulibre-bin)").arg(name));
  return path;
}

QByteArray Quoted(const QString& text) {
  QByteArray out = "\"";
  for (const char c : text.toUtf8()) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

QByteArray PageText(const QList<TextLine>& lines) {
  QByteArray text = QStringLiteral("(page 0 0 %1 %2").arg(kPageWidth).arg(kPageHeight).toLatin1();
  for (const TextLine& line : lines) {
    text += QStringLiteral("\n (line %1 %2 %3 %4").arg(line.left).arg(line.bottom).arg(line.right).arg(line.top).toLatin1();
    for (const Word& w : line.words) {
      text += QStringLiteral("\n  (word %1 %2 %3 %4 ").arg(w.left).arg(w.bottom).arg(w.right).arg(w.top).toLatin1();
      text += Quoted(w.text) + ')';
    }
    text += ')';
  }
  return text + ')';
}

TextLine LayoutLine(int bottom, int top, const QStringList& words, int left) {
  TextLine line{left, bottom, left, top, {}};
  int x = left;
  for (const QString& word : words) {
    const int right = x + 20 * int(word.size());
    line.words << Word{x, bottom, right, top, word};
    line.right = right;
    x = right + 20;
  }
  return line;
}

TextLine Line(int bottom, const QString& words, int left) {
  return LayoutLine(bottom, bottom + 40, words.split(QLatin1Char(' ')), left);
}

QList<Page> WithBlankPagesUpTo(QList<Page> pages, int count) {
  while (pages.size() < count) pages << Page{};
  return pages;
}

namespace {

void Build(const QString& path, const QList<Page>& pages, const QList<QList<RawChunk>>& raw, bool singlePage) {
  QTemporaryDir work;
  QStringList components;
  for (int i = 0; i < pages.size(); ++i) {
    const QString component = work.filePath(QStringLiteral("p%1.djvu").arg(i + 1));
    const QList<RawChunk> chunks = raw.value(i);
    if (chunks.isEmpty()) {
      QFile::copy(BlankPage(), component);
    } else {
      // The blank page's image with the chunks beside it.
      const QString image = work.filePath(QStringLiteral("image.sjbz"));
      RunTool(QStringLiteral("djvuextract"), {BlankPage(), QStringLiteral("Sjbz=") + image});
      QStringList arguments{component, QStringLiteral("INFO=%1,%2,300").arg(kPageWidth).arg(kPageHeight),
                            QStringLiteral("Sjbz=") + image};
      for (int c = 0; c < chunks.size(); ++c) {
        const QString file = work.filePath(QStringLiteral("chunk%1-%2").arg(i).arg(c));
        WriteFile(file, chunks[c].second);
        arguments << QString::fromLatin1(chunks[c].first) + QLatin1Char('=') + file;
      }
      RunTool(QStringLiteral("djvumake"), arguments);
    }
    components << component;
  }
  QFile::remove(path);
  if (singlePage) {
    if (pages.size() != 1) Fail(QStringLiteral("a single-page document has one page"));
    QFile::copy(components.first(), path);
  } else {
    RunTool(QStringLiteral("djvm"), QStringList{QStringLiteral("-c"), path} + components);
  }
  QByteArray script;
  for (int i = 0; i < pages.size(); ++i) {
    if (pages[i].text.isEmpty() && pages[i].annotations.isEmpty()) continue;
    script += QStringLiteral("select %1\n").arg(i + 1).toLatin1();
    if (!pages[i].text.isEmpty()) script += "set-txt\n" + pages[i].text + "\n.\n";
    if (!pages[i].annotations.isEmpty()) script += "set-ant\n" + pages[i].annotations + "\n.\n";
  }
  if (script.isEmpty()) return;
  const QString scriptPath = work.filePath(QStringLiteral("layers.dsed"));
  WriteFile(scriptPath, script);
  RunTool(QStringLiteral("djvused"), {path, QStringLiteral("-f"), scriptPath, QStringLiteral("-s")});
}

}  // namespace

void BuildDocument(const QString& path, const QList<Page>& pages, bool singlePage) { Build(path, pages, {}, singlePage); }

void BuildDocumentWithChunks(const QString& path, const QList<Page>& pages, const QList<QList<RawChunk>>& chunks) {
  Build(path, pages, chunks, false);
}

QByteArray Djvused(const QStringList& arguments) { return RunTool(QStringLiteral("djvused"), arguments); }
QByteArray OutputAnt(const QString& document) { return Djvused({document, QStringLiteral("-e"), QStringLiteral("output-ant")}); }
QByteArray OutputTxt(const QString& document) { return Djvused({document, QStringLiteral("-e"), QStringLiteral("output-txt")}); }

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Fail(QStringLiteral("cannot read %1").arg(path));
  return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    Fail(QStringLiteral("cannot write %1").arg(path));
  }
}

}  // namespace testdocs
