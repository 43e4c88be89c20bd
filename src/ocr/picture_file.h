#pragma once
// The grey pictures ddjvu writes (PGM, one byte a pixel): their header, and
// the whole picture where its ink is looked at.
#include <QByteArray>
#include <QString>
#include <optional>

namespace ocr {

struct PictureHeader {
  int width = 0, height = 0;
  qsizetype dataStart = 0;  // where the pixels begin
};

// The header of an 8-bit PGM file's bytes ("P5", width, height, 255);
// nothing when the bytes are not one.
std::optional<PictureHeader> ReadPictureHeader(const QByteArray& bytes);

// A grey picture, its rows from the top, 0 for black.
class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, QByteArray pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Whether the pixel is dark (a pixel outside the picture is not).
  bool Ink(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return uchar(pixels_[qsizetype(y) * width_ + x]) < 128;
  }
  // The part `width` by `height` whose top left pixel is (x, y), cut to
  // the picture.
  Picture Part(int x, int y, int width, int height) const;

 private:
  int width_ = 0, height_ = 0;
  QByteArray pixels_;
};

// The picture in a PGM file; nothing when the file does not read as one.
std::optional<Picture> ReadPicture(const QString& path);

}  // namespace ocr
