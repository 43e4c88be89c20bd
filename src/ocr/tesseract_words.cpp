#include "ocr/tesseract_words.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <tuple>

#include "core/errors.h"
#include "djvused/script_dialect.h"

namespace {

// The columns of a TSV row, by their names in the header.
struct Columns {
  int level = -1, block = -1, par = -1, line = -1, left = -1, top = -1, width = -1, height = -1, text = -1;
};

Columns ReadHeader(const QByteArray& header) {
  Columns c;
  const QList<QByteArray> names = header.split('\t');
  for (int i = 0; i < names.size(); ++i) {
    const QByteArray name = names[i].trimmed();
    if (name == "level") c.level = i;
    else if (name == "block_num") c.block = i;
    else if (name == "par_num") c.par = i;
    else if (name == "line_num") c.line = i;
    else if (name == "left") c.left = i;
    else if (name == "top") c.top = i;
    else if (name == "width") c.width = i;
    else if (name == "height") c.height = i;
    else if (name == "text") c.text = i;
  }
  if (c.level < 0 || c.line < 0 || c.left < 0 || c.top < 0 || c.width < 0 || c.height < 0 || c.text < 0) {
    throw InputError(QCoreApplication::translate("Ocr", "Tesseract вывел не таблицу слов"));
  }
  return c;
}

struct Word {
  qint64 left, bottom, right, top;
  QByteArray text;
};

QByteArray Box(qint64 left, qint64 bottom, qint64 right, qint64 top) {
  return QByteArray::number(left) + ' ' + QByteArray::number(bottom) + ' ' + QByteArray::number(right) + ' ' +
         QByteArray::number(top);
}

// The words of a TSV by their line (block, paragraph, line), lines in
// reading order; boxes in page units from the bottom left.
struct WordLines {
  QMap<std::tuple<int, int, int>, QList<Word>> lines;
  QList<std::tuple<int, int, int>> order;
};

WordLines ReadWordLines(QByteArrayView tsv, int pageHeight, double scale) {
  const auto unit = [scale](qint64 pixels) { return qint64(pixels / scale + 0.5); };
  const QList<QByteArray> rows = tsv.toByteArray().split('\n');
  if (rows.isEmpty()) throw InputError(QCoreApplication::translate("Ocr", "Tesseract вывел не таблицу слов"));
  const Columns c = ReadHeader(rows.first());
  WordLines read;
  auto& lines = read.lines;
  auto& order = read.order;
  for (qsizetype r = 1; r < rows.size(); ++r) {
    const QList<QByteArray> cells = rows[r].split('\t');
    if (cells.size() <= c.text || cells[c.level].toInt() != 5) continue;  // 5: a word
    const QByteArray text = cells[c.text].trimmed();
    if (text.isEmpty()) continue;
    const qint64 x = cells[c.left].toLongLong(), y = cells[c.top].toLongLong();
    const qint64 left = unit(x), top = unit(y);
    const qint64 right = unit(x + cells[c.width].toLongLong()), bottom = unit(y + cells[c.height].toLongLong());
    const auto key = std::make_tuple(cells[c.block].toInt(), cells[c.par].toInt(), cells[c.line].toInt());
    if (!lines.contains(key)) order << key;
    // From the top left to djvused's bottom left.
    lines[key] << Word{left, pageHeight - bottom, right, pageHeight - top, text};
  }
  return read;
}

}  // namespace

TsvLineEnds LineEndsOfTsv(QByteArrayView tsv) {
  TsvLineEnds ends;
  const WordLines read = ReadWordLines(tsv, 0, 1.0);
  for (const auto& key : read.order) {
    QByteArray last = read.lines[key].last().text;
    while (!last.isEmpty() && QByteArrayView(",;:)]").contains(last.back())) last.chop(1);
    if (!last.isEmpty() && last.back() >= '0' && last.back() <= '9') {
      ++ends.numbers;
    } else if (last.endsWith("...")) {
      ++ends.bareLeaders;
    }
  }
  return ends;
}

QByteArray ZonesFromTesseractTsv(QByteArrayView tsv, int pageWidth, int pageHeight, double scale) {
  const WordLines read = ReadWordLines(tsv, pageHeight, scale);
  const auto& lines = read.lines;
  const auto& order = read.order;
  QByteArray out = "(page 0 0 " + QByteArray::number(pageWidth) + ' ' + QByteArray::number(pageHeight);
  for (const auto& key : order) {
    const QList<Word>& words = lines[key];
    qint64 left = words.first().left, bottom = words.first().bottom, right = words.first().right, top = words.first().top;
    for (const Word& w : words) {
      left = qMin(left, w.left), bottom = qMin(bottom, w.bottom), right = qMax(right, w.right), top = qMax(top, w.top);
    }
    out += "\n (line " + Box(left, bottom, right, top);
    for (const Word& w : words) out += "\n  (word " + Box(w.left, w.bottom, w.right, w.top) + ' ' + dialect::Quote(w.text) + ')';
    out += ')';
  }
  // A page without words is a zone of its own, with an empty text, as
  // djvused takes it.
  if (order.isEmpty()) out += " \"\"";
  return out + ")\n";
}
