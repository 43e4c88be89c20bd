#pragma once
// The look of a link: the shape word that opens its area and the option text
// (border, always visible, highlight) that follows the area.
#include <QByteArray>
#include <QString>

#include "core/create_settings.h"

struct LinkStyle {
  QByteArray shape;    // "rect" or "oval"
  QByteArray options;  // e.g. "(xor )", "(border #FF0000 ) (border_avis ) "
};

// The shape word and options of the row's look. Codes outside the lists fall
// back to the first item (a rectangle, no border); a colour not given is white.
LinkStyle BuildLinkStyle(const LinkLook& look);
