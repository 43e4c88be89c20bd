#pragma once
// The bookmark title of a contents entry: its words as the reader sees them.
#include <QString>
#include <QStringList>

// The title words of the entry's lines, the page number already taken off
// the last one: joined by single blanks (a word broken by a hyphen at a
// line's end joined again), leaders and OCR's reading of them (also where
// OCR read them as words of letters after the first dots) dropped, and
// the punctuation that stood before the page number ("Title, 15",
// "Title — 15") taken off.
QString OutlineTitle(const QStringList& words);

// The last word of a line that ends in the entry's page number, without the
// number and what follows it ("Введение....15" gives "Введение....", "(15)"
// gives "").
QString WithoutPageNumber(const QString& lastWord);
