#include "ocr/picture_file.h"

#include <QFile>

namespace ocr {

std::optional<PictureHeader> ReadPictureHeader(const QByteArray& bytes) {
  // "P5", width, height and the largest value, each followed by one blank.
  if (!bytes.startsWith("P5")) return std::nullopt;
  qsizetype at = 2;
  int fields[3] = {0, 0, 0};
  for (int& field : fields) {
    while (at < bytes.size() && QChar::isSpace(uchar(bytes[at]))) ++at;
    const qsizetype start = at;
    while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9') ++at;
    bool ok = false;
    field = bytes.mid(start, at - start).toInt(&ok);
    if (!ok || field <= 0) return std::nullopt;
  }
  if (fields[2] != 255 || at >= bytes.size() || !QChar::isSpace(uchar(bytes[at]))) return std::nullopt;
  return PictureHeader{fields[0], fields[1], at + 1};
}

Picture Picture::Part(int x, int y, int width, int height) const {
  const int left = qBound(0, x, width_), top = qBound(0, y, height_);
  const int right = qBound(left, x + width, width_), bottom = qBound(top, y + height, height_);
  QByteArray pixels;
  pixels.reserve(qsizetype(right - left) * (bottom - top));
  for (int row = top; row < bottom; ++row) pixels.append(pixels_.constData() + qsizetype(row) * width_ + left, right - left);
  return Picture(right - left, bottom - top, pixels);
}

std::optional<Picture> ReadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  const std::optional<PictureHeader> header = ReadPictureHeader(bytes);
  if (!header || bytes.size() - header->dataStart < qsizetype(header->width) * header->height) return std::nullopt;
  return Picture(header->width, header->height,
                 bytes.mid(header->dataStart, qsizetype(header->width) * header->height));
}

}  // namespace ocr
