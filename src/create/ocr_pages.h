#pragma once
// The pages of a row's range that have no hidden text, read from their
// images when the row asks for it (--ocr, "Распознать страницы без текста"),
// so the automatic types link scans that were never recognised; with
// OcrUse::Write the text read is stored in the book in the same save.
#include <QByteArray>
#include <QList>
#include <QString>

#include "djvused/book_pages.h"
#include "parts/book_survey.h"

enum class OcrUse { Off, Read, Write };

struct OcrReport {
  QList<int> pages;   // the pages read from their images
  qint64 milliseconds = 0;
};

// Reads every page of `pages` without hidden text from its image, filling in
// its text; throws InputError when Tesseract is missing or fails.
OcrReport ReadTextlessPages(QList<PageData>& pages, const QString& bookPath, const QString& workFolder);

// What the whole-book type learnt from the pages it read from their images.
struct TextlessLooks {
  QList<PageData> read;   // the pages read, with their text
  QList<PageLook> looks;  // those of them that look like contents or index pages
  OcrReport report;
};

// The whole-book type's reading of a book without hidden text: the pages of
// first..last that PageSearch gives, in its order, each read from its image
// when it is one of `textless` (the range's pages without hidden text, their
// sizes known) and judged as the survey judges a page with text; a page with
// text counts with the look the survey gave it. Throws InputError when
// Tesseract is missing or fails.
TextlessLooks LookAtTextlessPages(const QList<PageData>& textless, const BookSurvey& survey, int first, int last,
                                  const QString& bookPath, const QString& workFolder);

// Gives each page of `pages` without hidden text the text read for it, when
// `read` holds it.
void TakeReadText(QList<PageData>& pages, const QList<PageData>& read);

// The script lines that store the text read (select N, set-txt, the zones, ".").
QByteArray StoreReadText(const QList<PageData>& pages, const QList<int>& read);

// The log's line: "Страницы без текста прочитаны с изображения: 3–5 (12,4 с)".
QString OcrLine(const OcrReport& report);
