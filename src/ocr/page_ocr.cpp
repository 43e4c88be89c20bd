#include "ocr/page_ocr.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "ocr/program_run.h"
#include "ocr/tesseract_words.h"

namespace ocr {
namespace {

// Pictures larger than this on their long side are rendered smaller: 300 dpi
// on an A4 page is enough for Tesseract.
constexpr int kLongestSide = 3600;
}  // namespace

QString TesseractProgram() {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("tesseract"));
  if (program.isEmpty()) {
    throw InputError(QCoreApplication::translate("Ocr", "Программа tesseract не найдена: для страниц без текста установите пакеты "
                        "tesseract-ocr, tesseract-ocr-rus и tesseract-ocr-eng"));
  }
  const QByteArray languages = RunToEnd(program, {QStringLiteral("--list-langs")}, QCoreApplication::translate("Ocr", "Tesseract не запускается"));
  for (const QByteArray language : {QByteArrayLiteral("rus"), QByteArrayLiteral("eng")}) {
    if (!languages.split('\n').contains(language)) {
      throw InputError(QCoreApplication::translate("Ocr", "У Tesseract нет языка %1: установите пакет tesseract-ocr-%1").arg(QString::fromLatin1(language)));
    }
  }
  return program;
}

QByteArray ReadPageZones(const QString& tesseract, const QString& bookPath, const PageData& page,
                         const QString& workFolder) {
  const QString ddjvu = DdjvuProgram();
  const int longest = qMax(page.width, page.height);
  const double scale = longest > kLongestSide ? double(kLongestSide) / longest : 1.0;
  const int width = qMax(1, int(page.width * scale)), height = qMax(1, int(page.height * scale));
  const QString picture = QDir(workFolder).filePath(QStringLiteral("ocr-page-%1.pgm").arg(page.number));
  const QString where = QCoreApplication::translate("Ocr", "страница %1").arg(page.number);
  RunToEnd(ddjvu,
           {QStringLiteral("-format=pgm"), QStringLiteral("-page=%1").arg(page.number),
            QStringLiteral("-size=%1x%2").arg(width).arg(height), DjvusedRunner::ShortPathOf(bookPath), picture},
           QCoreApplication::translate("Ocr", "ddjvu не смог отрисовать страницу: %1").arg(where));
  QByteArray tsv;
  try {
    tsv = RunToEnd(tesseract, {picture, QStringLiteral("stdout"), QStringLiteral("-l"), QStringLiteral("rus+eng"),
                               QStringLiteral("--psm"), QStringLiteral("3"), QStringLiteral("tsv")},
                   QCoreApplication::translate("Ocr", "Tesseract не смог прочитать страницу: %1").arg(where));
  } catch (...) {
    QFile::remove(picture);
    throw;
  }
  QFile::remove(picture);
  return ZonesFromTesseractTsv(tsv, page.width, page.height, double(width) / page.width);
}

}  // namespace ocr
