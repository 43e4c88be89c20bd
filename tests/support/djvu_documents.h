#pragma once
// Builds real DjVu documents from nothing for the tests (cjb2, djvm, djvused)
// and reads them back. Every function throws std::runtime_error with a clear
// message when a tool is missing or fails, so a test never passes silently
// without djvused.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace testdocs {

struct Word {
  int left, bottom, right, top;
  QString text;
};

struct TextLine {
  int left, bottom, right, top;
  QList<Word> words;
};

// One page of a test document: its hidden text (empty: none) and annotations.
struct Page {
  QByteArray text;         // a set-txt expression, "(page 0 0 W H ...)"
  QByteArray annotations;  // set-ant data, empty: none
};

// A chunk stored byte for byte as another tool would write it (djvumake):
// {"ANTa", text djvused's set-ant could not store} or {"TXTz", garbage}.
using RawChunk = QPair<QByteArray, QByteArray>;

constexpr int kPageWidth = 1240;
constexpr int kPageHeight = 1754;

// The full path of a DjVuLibre tool; throws when it is not installed.
QString RequireTool(const QString& name);

// Writes a bundled document with one white page per entry (ids p1.djvu,
// p2.djvu, ...), then the pages' hidden text and annotations. With
// singlePage, one page and no bundle.
void BuildDocument(const QString& path, const QList<Page>& pages, bool singlePage = false);
// The same with raw chunks: chunks[i] are stored in page i + 1 beside its image.
void BuildDocumentWithChunks(const QString& path, const QList<Page>& pages, const QList<QList<RawChunk>>& chunks);

// The pages followed by white pages without text or annotations, up to count
// pages in all, so that the links written on the first pages lead to pages
// the document has.
QList<Page> WithBlankPagesUpTo(QList<Page> pages, int count);

// The hidden text of a page, lines and words as given.
QByteArray PageText(const QList<TextLine>& lines);
// A line at [bottom, top] whose words are laid out from the left margin on:
// every word 20 px per character wide, one gap of 20 px between words.
TextLine LayoutLine(int bottom, int top, const QStringList& words, int left = 100);
// A line 40 px high at `bottom`, its blank-separated words laid out from `left`.
TextLine Line(int bottom, const QString& words, int left = 100);
// A string as djvused writes it inside double quotes.
QByteArray Quoted(const QString& text);

// Runs djvused with the arguments (document first); returns its standard output.
QByteArray Djvused(const QStringList& arguments);
QByteArray OutputAnt(const QString& document);
QByteArray OutputTxt(const QString& document);

QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

}  // namespace testdocs
