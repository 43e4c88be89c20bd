#include "bench_document.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <stdexcept>

#include "process_probe.h"

namespace {

constexpr int kWidth = 1240, kHeight = 1754;
constexpr int kLinesPerPage = 40, kWordsPerLine = 8;
constexpr int kFirstContentsPage = 3, kLastContentsPage = 6, kEntriesPerContentsPage = 30;

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

// A word of the ordinary text: Cyrillic or Latin, 3 to 9 letters, from a
// fixed sequence so every run builds the same book.
QString Word(quint32& seed) {
  seed = seed * 1103515245u + 12345u;
  const int length = 3 + int((seed >> 16) % 7);
  const bool cyrillic = (seed >> 8) & 1;
  QString word;
  for (int i = 0; i < length; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int letter = int((seed >> 16) % 26);
    word += cyrillic ? QChar(0x0430 + letter) : QChar('a' + letter);
  }
  return word;
}

QByteArray Zone(const char* type, int left, int bottom, int right, int top) {
  return QByteArray("(") + type + ' ' + QByteArray::number(left) + ' ' + QByteArray::number(bottom) + ' ' +
         QByteArray::number(right) + ' ' + QByteArray::number(top);
}

QByteArray WordZone(int left, int bottom, int right, int top, const QString& text) {
  return "  " + Zone("word", left, bottom, right, top) + " \"" + text.toUtf8() + "\")";
}

// Ordinary pages carry their printed number (folio > 0) in the running head,
// at the outer side, as a book does; a chapter's first page (chapter > 0)
// starts under its heading "Глава N". The index terms that list the page
// (`terms`) stand at the start of its lines, as a term is on the pages its
// index entry gives.
QByteArray OrdinaryPage(quint32& seed, int page, int folio, int chapter, const QStringList& terms) {
  QByteArray text = Zone("page", 0, 0, kWidth, kHeight);

  if (folio > 0) {
    const int left = page % 2 ? 1040 : 100, top = kHeight - 15, bottom = top - 30;
    text += "\n " + Zone("line", left, bottom, left + 100, top) + "\n" +
            WordZone(left, bottom, left + 100, top, QString::number(folio)) + ")";
  }
  for (int line = 0; line < kLinesPerPage; ++line) {
    const int top = kHeight - 60 - line * 40, bottom = top - 30;
    if (line == 0 && chapter > 0) {
      text += "\n " + Zone("line", 400, bottom, 700, top) + "\n" +
              WordZone(400, bottom, 600, top, QStringLiteral("Глава")) + "\n" +
              WordZone(620, bottom, 700, top, QString::number(chapter)) + ")";
      continue;
    }
    text += "\n " + Zone("line", 100, bottom, 1140, top);
    for (int word = 0; word < kWordsPerLine; ++word) {
      const int left = 100 + word * 130;
      const QString drawn = Word(seed);
      const bool term = word == 0 && line > 0 && line <= terms.size();
      text += "\n" + WordZone(left, bottom, left + 120, top, term ? terms[line - 1] : drawn);
    }
    text += ")";
  }
  return text + ")";
}

// Printed page 1 is document page kFrontPages + 1.
constexpr int kFrontPages = 6;

// Entries "Глава N ... P" whose numbers grow through the four pages.
QByteArray ContentsPage(int page) {
  QByteArray text = Zone("page", 0, 0, kWidth, kHeight);
  for (int entry = 0; entry < kEntriesPerContentsPage; ++entry) {
    const int number = (page - kFirstContentsPage) * kEntriesPerContentsPage + entry + 1;
    const int top = kHeight - 100 - entry * 50, bottom = top - 40;
    text += "\n " + Zone("line", 100, bottom, 1140, top);
    text += "\n" + WordZone(100, bottom, 300, top, QStringLiteral("Глава"));
    text += "\n" + WordZone(320, bottom, 400, top, QString::number(number));
    text += "\n" + WordZone(1060, bottom, 1140, top, QString::number(number * 4 + 6)) + ")";
  }
  return text + ")";
}

constexpr int kIndexPages = 6, kIndexLinesPerColumn = kLinesPerPage - 2;

// An index line: a term and two or three growing printed page numbers.
struct IndexLine {
  QString term;
  QList<int> numbers;
};

// The lines of the whole index, drawn before the pages so each page can
// carry the terms that list it.
QList<IndexLine> DrawIndex(int lastPrinted) {
  quint32 seed = 7;
  QList<IndexLine> lines;
  for (int i = 0; i < kIndexPages * 2 * kIndexLinesPerColumn; ++i) {
    IndexLine line{Word(seed), {}};
    int number = 0;
    for (int n = 0; n < 2 + int(seed % 2); ++n) {
      seed = seed * 1103515245u + 12345u;
      number += 1 + int((seed >> 16) % (lastPrinted / 4));
      if (number > lastPrinted) break;
      line.numbers << number;
    }
    lines << line;
  }
  return lines;
}

// The book's last pages: a two-column index under "Предметный указатель",
// each line a term and its page numbers, with the running head's folio as
// on the other pages. `lines` are the page's own.
QByteArray IndexPage(int page, int folio, bool first, const QList<IndexLine>& lines) {
  QByteArray text = Zone("page", 0, 0, kWidth, kHeight);
  const int headLeft = page % 2 ? 1040 : 100, headTop = kHeight - 15;
  text += "\n " + Zone("line", headLeft, headTop - 30, headLeft + 100, headTop) + "\n" +
          WordZone(headLeft, headTop - 30, headLeft + 100, headTop, QString::number(folio)) + ")";
  int firstTop = kHeight - 60;
  if (first) {
    text += "\n " + Zone("line", 300, firstTop - 40, 940, firstTop) + "\n" +
            WordZone(300, firstTop - 40, 620, firstTop, QStringLiteral("Предметный")) + "\n" +
            WordZone(640, firstTop - 40, 940, firstTop, QStringLiteral("указатель")) + ")";
    firstTop -= 80;
  }
  for (int column = 0; column < 2; ++column) {
    const int columnLeft = column ? 660 : 100;
    for (int line = 0; line < kIndexLinesPerColumn; ++line) {
      const int top = firstTop - line * 40, bottom = top - 30;
      const IndexLine& entry = lines[column * kIndexLinesPerColumn + line];
      QList<QByteArray> words{WordZone(columnLeft, bottom, columnLeft + 160, top, entry.term + ',')};
      int right = columnLeft + 160;
      for (const int number : entry.numbers) {
        words << WordZone(right + 20, bottom, right + 80, top, QString::number(number) + ',');
        right += 80;
      }
      words.last().replace(",\")", "\")");
      text += "\n " + Zone("line", columnLeft, bottom, right, top);
      for (const QByteArray& word : words) text += "\n" + word;
      text += ")";
    }
  }
  return text + ")";
}

}  // namespace

void RunTool(const QString& tool, const QStringList& arguments, const QString& stdoutFile) {
  const QString path = QStandardPaths::findExecutable(tool);
  if (path.isEmpty()) throw std::runtime_error(tool.toStdString() + " is not installed (djvulibre-bin)");
  const ProbeResult result = RunProbed(path, arguments, stdoutFile);
  if (result.exitCode != 0) throw std::runtime_error(tool.toStdString() + " failed: " + arguments.join(' ').toStdString());
}

BenchDocument BuildBenchDocument(const QString& folder, int pages) {
  const QDir dir(folder);
  QByteArray pbm = "P4\n" + QByteArray::number(kWidth) + ' ' + QByteArray::number(kHeight) + '\n';
  pbm += QByteArray(((kWidth + 7) / 8) * kHeight, '\0');
  WriteBytes(dir.filePath("blank.pbm"), pbm);
  RunTool("cjb2", {dir.filePath("blank.pbm"), dir.filePath("blank.djvu")});
  QStringList components;
  for (int page = 1; page <= pages; ++page) {
    const QString name = dir.filePath(QStringLiteral("p%1.djvu").arg(page, 4, 10, QLatin1Char('0')));
    QFile::remove(name);
    if (!QFile::copy(dir.filePath("blank.djvu"), name)) throw std::runtime_error("cannot copy the blank page");
    components << name;
  }
  BenchDocument book{dir.filePath("book.djvu"), 0};
  RunTool("djvm", QStringList{"-c", book.path} + components);
  for (const QString& name : components) QFile::remove(name);

  QByteArray script;
  quint32 seed = 1;
  const int firstIndexPage = pages - kIndexPages + 1;
  const QList<IndexLine> index = DrawIndex(firstIndexPage - 1 - kFrontPages);
  QHash<int, QStringList> termsOf;  // by printed number
  for (const IndexLine& line : index) {
    for (const int number : line.numbers) termsOf[number] << line.term;
  }
  for (int page = 1; page <= pages; ++page) {
    const bool contents = page >= kFirstContentsPage && page <= kLastContentsPage;
    script += "select " + QByteArray::number(page) + "\nset-txt\n";
    if (contents) {
      script += ContentsPage(page);
    } else if (page >= firstIndexPage && firstIndexPage > kLastContentsPage + 1) {
      const qsizetype perPage = 2 * kIndexLinesPerColumn;
      script += IndexPage(page, page - kFrontPages, page == firstIndexPage,
                          index.mid((page - firstIndexPage) * perPage, perPage));
    } else {
      // Chapter n is printed on page 4n + 6 (see ContentsPage).
      const int printed = page - kFrontPages;
      const int chapter = printed > 6 && (printed - 6) % 4 == 0 &&
                                  (printed - 6) / 4 <= (kLastContentsPage - kFirstContentsPage + 1) * kEntriesPerContentsPage
                              ? (printed - 6) / 4
                              : 0;
      script += OrdinaryPage(seed, page, printed, chapter, termsOf.value(printed).mid(0, kLinesPerPage - 1));
    }
    script += "\n.\n";
  }
  WriteBytes(dir.filePath("text.dsed"), script);
  RunTool("djvused", {book.path, "-f", dir.filePath("text.dsed"), "-s"});
  book.bytes = QFileInfo(book.path).size();
  return book;
}
