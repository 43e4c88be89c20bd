#include "create/ocr_pages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <algorithm>

#include "core/job_log.h"
#include "djvused/script_dialect.h"
#include "ocr/page_ocr.h"
#include "page/text_layer.h"
#include "parts/page_search.h"

namespace {

// Reads pages from their images one after another, Tesseract looked for
// before the first, and keeps the report of the pages read.
class ImageReader {
 public:
  ImageReader(const QString& bookPath, const QString& workFolder) : bookPath_(bookPath), workFolder_(workFolder) {}
  void Read(PageData& page) {
    if (tesseract_.isEmpty()) tesseract_ = ocr::TesseractProgram();
    QElapsedTimer timer;
    timer.start();
    page.text = ocr::ReadPageZones(tesseract_, bookPath_, page, workFolder_);
    report_.pages << page.number;
    report_.milliseconds += timer.elapsed();
  }
  const OcrReport& Report() const { return report_; }

 private:
  const QString& bookPath_;
  const QString& workFolder_;
  QString tesseract_;
  OcrReport report_;
};

}  // namespace

OcrReport ReadTextlessPages(QList<PageData>& pages, const QString& bookPath, const QString& workFolder) {
  ImageReader reader(bookPath, workFolder);
  for (PageData& page : pages) {
    if (page.text.isEmpty()) reader.Read(page);
  }
  return reader.Report();
}

TextlessLooks LookAtTextlessPages(const QList<PageData>& textless, const BookSurvey& survey, int first, int last,
                                  const QString& bookPath, const QString& workFolder) {
  TextlessLooks found;
  ImageReader reader(bookPath, workFolder);
  PageSearch search(first, last);
  while (const std::optional<int> number = search.Next()) {
    const auto blank = std::find_if(textless.begin(), textless.end(), [&](const PageData& p) { return p.number == *number; });
    PageLook look;
    look.page = *number;
    if (blank == textless.end()) {
      // A page with hidden text: the survey has looked at it.
      const auto seen = std::find_if(survey.looks.begin(), survey.looks.end(), [&](const PageLook& l) { return l.page == *number; });
      if (seen != survey.looks.end()) look = *seen;
    } else {
      PageData page = *blank;
      reader.Read(page);
      look = LookOfPage(ParseTextLayer(page.text), page.number, survey.folios.PageCount());
      if (look.kind != PageKind::Other) found.looks << look;
      found.read << page;
    }
    search.Saw(look);
  }
  found.report = reader.Report();
  return found;
}

void TakeReadText(QList<PageData>& pages, const QList<PageData>& read) {
  for (PageData& page : pages) {
    const auto it = std::find_if(read.begin(), read.end(), [&](const PageData& r) { return r.number == page.number; });
    if (page.text.isEmpty() && it != read.end()) page.text = it->text;
  }
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
