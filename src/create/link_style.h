#pragma once
// The look of a link: the shape word that opens its area and the option text
// (border, always visible, highlight) that follows the area.
#include <QByteArray>
#include <QString>

struct LinkStyle {
  QByteArray shape;    // "rect" or "oval"
  QByteArray options;  // e.g. "(xor )", "(border #FF0000 ) (border_avis ) "
};

// linkShape: 0 rectangle, 1 oval. borderType: 0 none, 1 xor, 2 plain border in
// borderColor, 3 to 6 the shadows of borderWidth. An empty colour text counts
// as white; a flag counts as on only when it is 1.
LinkStyle BuildLinkStyle(int linkShape, int borderType, const QString& borderColor, int borderWidth,
                         int alwaysVisible, int highlight, const QString& highlightColor);
