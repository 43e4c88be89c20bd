#pragma once
// The benchmark's book: a bundled document of blank pages (one page made with
// cjb2, copied), hidden text on every page set by one djvused script. Pages
// 3 to 6 are contents pages whose lines end in page numbers; every other page
// carries ordinary OCR lines of words, and from page 7 on its printed page
// number (page minus 6) in the running head; the last six pages are a
// two-column index.
#include <QString>

struct BenchDocument {
  QString path;
  qint64 bytes = 0;
};

// Builds the book in folder. Throws std::runtime_error when a DjVuLibre tool
// is missing or fails.
BenchDocument BuildBenchDocument(const QString& folder, int pages);

// Runs a DjVuLibre tool to its end; throws std::runtime_error when it fails.
void RunTool(const QString& tool, const QStringList& arguments, const QString& stdoutFile = {});
