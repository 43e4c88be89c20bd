#pragma once
// A page's printed page number (its folio), read from the page's hidden text:
// a number standing alone in the running head or the running foot, or at one
// end of the head line ("12 CHAPTER 1. TITLE", "TITLE 13"), in arabic or roman
// numerals, with dashes and dots around it ignored ("— 12 —", "- 12 -").
#include <QList>
#include <QString>
#include <optional>

#include "page/made_link.h"
#include "page/numerals.h"
#include "page/text_layer.h"

// The number a head or foot token stands for: arabic digits (with the letters
// OCR takes for digits, "l2", "1O", beside at least one digit), or a roman
// numeral in one case (Cyrillic look-alikes read as Latin). Nothing for any
// other token, for 0 and for numbers of more than four digits.
std::optional<Folio> ParseFolioToken(const QString& token);

// The possible folios of a page, most likely first: a number alone on the top
// or bottom line, then the numbers at the two ends of the top line, then those
// at the ends of the bottom line. Only lines within the top or bottom fifth of
// the page count. Several candidates when the page is unclear; the map keeps
// the one that agrees with the pages around. Zones that do not reach into
// those fifths are left out, with all they hold.
QList<Folio> ReadFolioCandidates(const TextZone& page);
// The same from a page's zone text; only the zones that reach into the top or
// bottom fifth of the page are decoded. Throws InputError for a zone text
// that is not well formed.
QList<Folio> ReadFolioCandidates(QByteArrayView zones);
