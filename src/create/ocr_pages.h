#pragma once
// The pages of a row's range that have no hidden text, read from their
// images when the row asks for it (--ocr, "Распознать страницы без текста"),
// so the automatic types link scans that were never recognised; with
// OcrUse::Write the text read is stored in the book in the same save.
#include <QByteArray>
#include <QList>
#include <QString>

#include "djvused/book_pages.h"

enum class OcrUse { Off, Read, Write };

struct OcrReport {
  QList<int> pages;   // the pages read from their images
  qint64 milliseconds = 0;
};

// Reads every page of `pages` without hidden text from its image, filling in
// its text; throws InputError when Tesseract is missing or fails.
OcrReport ReadTextlessPages(QList<PageData>& pages, const QString& bookPath, const QString& workFolder);

// The script lines that store the text read (select N, set-txt, the zones, ".").
QByteArray StoreReadText(const QList<PageData>& pages, const QList<int>& read);

// The log's line: "Страницы без текста прочитаны с изображения: 3–5 (12,4 с)".
QString OcrLine(const OcrReport& report);
