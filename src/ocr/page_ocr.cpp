#include "ocr/page_ocr.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSize>
#include <QStandardPaths>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "ocr/picture_file.h"
#include "ocr/program_run.h"
#include "ocr/tesseract_words.h"

namespace ocr {
namespace {

// Pages are rendered at 300 dpi, whatever their own resolution: Tesseract
// splits a 150 dpi page's lines at the gap before their page numbers and
// takes leader dots for letters. Pictures larger than this on their long side
// (300 dpi on an A4 page fits) are rendered smaller.
constexpr int kDotsPerInch = 300;
constexpr int kLongestSide = 3600;
// The width and height a PGM file's header gives; an empty size when it
// does not read.
QSize PictureSize(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const std::optional<PictureHeader> header = ReadPictureHeader(file.read(64));
  return header ? QSize(header->width, header->height) : QSize();
}

}  // namespace

QString TesseractProgram() {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("tesseract"));
  if (program.isEmpty()) {
    throw InputError(QCoreApplication::translate("Ocr", "Программа tesseract не найдена: для страниц без текста установите пакеты "
                        "tesseract-ocr, tesseract-ocr-rus и tesseract-ocr-eng"));
  }
  const QByteArray languages = RunToEnd(program, {QStringLiteral("--list-langs")}, QCoreApplication::translate("Ocr", "Tesseract не запускается"));
  for (const QByteArray& language : {QByteArrayLiteral("rus"), QByteArrayLiteral("eng")}) {
    if (!languages.split('\n').contains(language)) {
      throw InputError(QCoreApplication::translate("Ocr", "У Tesseract нет языка %1: установите пакет tesseract-ocr-%1").arg(QString::fromLatin1(language)));
    }
  }
  return program;
}

QByteArray ReadPageZones(const QString& tesseract, const QString& bookPath, const PageData& page,
                         const QString& workFolder) {
  const QString ddjvu = DdjvuProgram();
  const QString picture = QDir(workFolder).filePath(QStringLiteral("ocr-page-%1.pgm").arg(page.number));
  const QString where = QCoreApplication::translate("Ocr", "страница %1").arg(page.number);
  const auto render = [&](const QString& size) {
    RunToEnd(ddjvu,
             {QStringLiteral("-format=pgm"), QStringLiteral("-page=%1").arg(page.number), size,
              DjvusedRunner::ShortPathOf(bookPath), picture},
             QCoreApplication::translate("Ocr", "ddjvu не смог отрисовать страницу: %1").arg(where));
  };
  render(QStringLiteral("-scale=%1").arg(kDotsPerInch));
  QSize size = PictureSize(picture);
  if (size.isEmpty() || qMax(size.width(), size.height()) > kLongestSide) {
    // A page too large at 300 dpi: drawn to fit.
    const int longest = qMax(page.width, page.height);
    const double fit = qMin(1.0, double(kLongestSide) / longest);
    size = QSize(qMax(1, int(page.width * fit)), qMax(1, int(page.height * fit)));
    render(QStringLiteral("-size=%1x%2").arg(size.width()).arg(size.height()));
  }
  const auto read = [&](const char* psm) {
    return RunToEnd(tesseract,
                    {picture, QStringLiteral("stdout"), QStringLiteral("-l"), QStringLiteral("rus+eng"),
                     QStringLiteral("--psm"), QString::fromLatin1(psm),
                     // printed pages have no light text on dark: its pass is skipped
                     QStringLiteral("-c"), QStringLiteral("tessedit_do_invert=0"), QStringLiteral("tsv")},
                    QCoreApplication::translate("Ocr", "Tesseract не смог прочитать страницу: %1").arg(where));
  };
  QByteArray tsv;
  try {
    // One column of lines first: with its layout analysis (psm 3) Tesseract
    // sets a contents page's column of numbers apart from the titles, or
    // drops it. Read so, a short number alone after a row of leader dots can
    // be lost: a page with such a line is read again with the layout
    // analysis, and the reading with more lines ending in a number is kept.
    tsv = read("4");
    const TsvLineEnds ends = LineEndsOfTsv(tsv);
    if (ends.bareLeaders > 0) {
      QByteArray laidOut = read("3");
      if (LineEndsOfTsv(laidOut).numbers > ends.numbers) tsv = std::move(laidOut);
    }
  } catch (...) {
    QFile::remove(picture);
    throw;
  }
  QFile::remove(picture);
  return ZonesFromTesseractTsv(tsv, page.width, page.height, double(size.width()) / page.width);
}

}  // namespace ocr
