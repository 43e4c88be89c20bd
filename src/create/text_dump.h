#pragma once
// Reading the hidden text the described scan works on, line by line, in the
// form of a whole-document dump ("-e output-txt").
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "core/page_rect.h"

// The hidden-text dump without its first line, held whole in memory.
class TextDumpLines {
 public:
  static TextDumpLines Read(const QString& path);  // throws IoError
  static TextDumpLines FromText(const QByteArray& text);  // the whole dump, first line included
  qsizetype size() const { return lines_.size(); }
  QByteArrayView at(qsizetype i) const;

 private:
  QByteArray data_;
  QList<QPair<qsizetype, qsizetype>> lines_;  // offset, length (one trailing CR stripped)
};

// A range of text-page ordinals (pages that appear in the text dump, from 1).
struct TextPageRange {
  int first = 0, last = 0;
  bool Contains(int ordinal) const { return ordinal >= first && ordinal <= last; }
};

// Keeps only what follows the last "\t" of a word text. Every pass in which an
// escaped character stands before the "\t" counts one more word.
QByteArray ApplyTabRule(QByteArrayView line, quint8* lineWordCount);

// The four numbers after the record's keyword ("line" or "word") and one
// blank. Throws ConversionError when a field is not a whole number; for a
// line record everything after the third field is the top.
PageRect ReadLineRecord(QByteArrayView line);
PageRect ReadWordRecord(QByteArrayView line);

// The characters between the first and the second double quote.
QByteArray WordText(QByteArrayView line);

bool IsLineRecord(QByteArrayView line);  // "line" and no double quote
bool IsWordRecord(QByteArrayView line);  // "word"
