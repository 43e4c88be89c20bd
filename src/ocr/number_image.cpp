#include "ocr/number_image.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "djvused/djvused_runner.h"
#include "ocr/picture_file.h"
#include "ocr/program_run.h"

namespace ocr {

namespace {

// Whether a PGM picture holds any dark pixel: a segment with no ink shows no
// number, and Tesseract is not asked to read it.
bool HasInk(const QString& picture) {
  QFile file(picture);
  if (!file.open(QIODevice::ReadOnly)) return true;
  const QByteArray bytes = file.readAll();
  const std::optional<PictureHeader> header = ReadPictureHeader(bytes);
  if (!header) return true;
  for (qsizetype i = header->dataStart; i < bytes.size(); ++i) {
    if (uchar(bytes[i]) < 128) return true;
  }
  return false;
}

}  // namespace

QString FindTesseract() { return QStandardPaths::findExecutable(QStringLiteral("tesseract")); }

std::optional<int> ReadNumberBox(const QString& tesseract, const QString& bookPath, int page, const PageRect& box,
                                 const QString& workFolder) {
  // A margin of a quarter of the box's height all round: Tesseract reads a
  // line poorly when its characters touch the picture's edge.
  const qint64 margin = qMax<qint64>(2, box.Height() / 4);
  const qint64 left = qMax<qint64>(0, box.left - margin);
  const qint64 bottom = qMax<qint64>(0, box.bottom - margin);  // ddjvu's segment too counts from the bottom
  const qint64 width = box.Width() + 2 * margin, height = box.Height() + 2 * margin;
  // Named by the box too: two numbers of one page may be read at once.
  const QString picture =
      QDir(workFolder).filePath(QStringLiteral("number-%1-%2-%3.pgm").arg(page).arg(box.left).arg(box.bottom));
  const QString where = QCoreApplication::translate("Ocr", "страница %1").arg(page);
  RunToEnd(DdjvuProgram(),
           {QStringLiteral("-format=pgm"), QStringLiteral("-page=%1").arg(page),
            QStringLiteral("-segment=%1x%2+%3+%4").arg(width).arg(height).arg(left).arg(bottom),
            DjvusedRunner::ShortPathOf(bookPath), picture},
           QCoreApplication::translate("Ocr", "ddjvu не смог отрисовать страницу: %1").arg(where));
  if (!HasInk(picture)) {
    QFile::remove(picture);
    return std::nullopt;
  }
  QByteArray text;
  try {
    text = RunToEnd(tesseract,
                    {picture, QStringLiteral("stdout"), QStringLiteral("--psm"), QStringLiteral("7"),
                     QStringLiteral("-c"), QStringLiteral("tessedit_char_whitelist=0123456789")},
                    QCoreApplication::translate("Ocr", "Tesseract не смог прочитать страницу: %1").arg(where));
  } catch (...) {
    QFile::remove(picture);
    throw;
  }
  QFile::remove(picture);
  const QByteArray digits = text.trimmed();
  bool ok = false;
  const int number = digits.toInt(&ok);
  if (!ok || digits.size() > 6) return std::nullopt;
  return number;
}

}  // namespace ocr
