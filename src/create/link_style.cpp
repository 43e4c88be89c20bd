#include "create/link_style.h"

namespace {

QByteArray ColorOrWhite(const QString& color) {
  return color.isEmpty() ? QByteArrayLiteral("FFFFFF") : color.toUtf8();
}

}  // namespace

LinkStyle BuildLinkStyle(int linkShape, int borderType, const QString& borderColor, int borderWidth,
                         int alwaysVisible, int highlight, const QString& highlightColor) {
  LinkStyle style;
  // Codes outside the lists do not come from the windows; they fall back to
  // the first item (a rectangle, no border) rather than writing nothing.
  style.shape = linkShape == 1 ? QByteArrayLiteral("oval") : QByteArrayLiteral("rect");
  const QByteArray width = QByteArray::number(borderWidth);
  switch (borderType) {
    case 1: style.options = "(xor"; break;
    case 2: style.options = "(border #" + ColorOrWhite(borderColor); break;
    case 3: style.options = "(shadow_in " + width; break;
    case 4: style.options = "(shadow_out " + width; break;
    case 5: style.options = "(shadow_ein " + width; break;
    case 6: style.options = "(shadow_eout " + width; break;
    default: style.options = "(none"; break;
  }
  style.options += " )";
  if (alwaysVisible == 1) style.options += " (border_avis ) ";
  if (highlight == 1) style.options += " (hilite #" + ColorOrWhite(highlightColor) + " )";
  return style;
}
