#include "create/link_style.h"

#include "create/row_columns.h"

namespace {

QByteArray ColorOrWhite(const std::optional<ColorValue>& color) {
  return color ? ColorToHexRgb(*color).toUtf8() : QByteArrayLiteral("FFFFFF");
}

}  // namespace

LinkStyle BuildLinkStyle(const LinkLook& look) {
  LinkStyle style;
  // Codes outside the lists do not come from the windows; they fall back to
  // the first item (a rectangle, no border) rather than writing nothing.
  style.shape = look.shape == 1 ? QByteArrayLiteral("oval") : QByteArrayLiteral("rect");
  const QByteArray width = QByteArray::number(look.borderWidth);
  switch (look.borderType) {
    case 1: style.options = "(xor"; break;
    case 2: style.options = "(border #" + ColorOrWhite(look.borderColor); break;
    case 3: style.options = "(shadow_in " + width; break;
    case 4: style.options = "(shadow_out " + width; break;
    case 5: style.options = "(shadow_ein " + width; break;
    case 6: style.options = "(shadow_eout " + width; break;
    default: style.options = "(none"; break;
  }
  style.options += " )";
  if (look.alwaysVisible) style.options += " (border_avis ) ";
  if (look.highlight) style.options += " (hilite #" + ColorOrWhite(look.highlightColor) + " )";
  return style;
}
