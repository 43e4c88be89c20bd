#include "page/made_link.h"

#include "page/numerals.h"

QString PrintedText(const Folio& folio) {
  return folio.roman ? RomanNumeral(folio.number) : QString::number(folio.number);
}
