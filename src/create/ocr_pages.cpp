#include "create/ocr_pages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>

#include "core/job_log.h"
#include "djvused/script_dialect.h"
#include "ocr/page_ocr.h"

OcrReport ReadTextlessPages(QList<PageData>& pages, const QString& bookPath, const QString& workFolder) {
  OcrReport report;
  QElapsedTimer timer;
  timer.start();
  QString tesseract;  // looked for once, before the first page is read
  for (PageData& page : pages) {
    if (!page.text.isEmpty()) continue;
    if (tesseract.isEmpty()) tesseract = ocr::TesseractProgram();
    page.text = ocr::ReadPageZones(tesseract, bookPath, page, workFolder);
    report.pages << page.number;
  }
  report.milliseconds = timer.elapsed();
  return report;
}

QByteArray StoreReadText(const QList<PageData>& pages, const QList<int>& read) {
  const QByteArray br = dialect::LineBreak();
  QByteArray script;
  for (const PageData& page : pages) {
    if (!read.contains(page.number)) continue;
    script += "select " + dialect::NumberText(page.number) + br + "set-txt" + br;
    script += page.text.trimmed().replace('\n', br) + br;  // zones and quoted words: no line is "."
    script += dialect::kEndOfData + br;
  }
  return script;
}

QString OcrLine(const OcrReport& report) {
  return QCoreApplication::translate("CreateRun", "Страницы без текста прочитаны с изображения: %1 (%2 с)")
      .arg(joblog::PageRuns(report.pages), QLocale(QLocale::Russian).toString(report.milliseconds / 1000.0, 'f', 1));
}
