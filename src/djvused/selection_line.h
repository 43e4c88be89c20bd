#pragma once
// A page-selection line of djvused's dumps: "select" and a quoted page name,
// in double quotes (today's form, followed by " # page N") or in single
// quotes (the older form). The one reader of such lines for every dump.
#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace dialect {

struct Selection {
  QByteArray name;  // the text between the quotes, escapes decoded
  int page = 0;     // N of a " # page N" comment; 0 without one
};

// The line's selection; nothing when the line is no page selection: another
// command ("select; remove-txt", "select 2"), a word whose text is "select",
// an unclosed name, or anything but blanks or a "#" comment after the name.
std::optional<Selection> ReadSelection(QByteArrayView line);

}  // namespace dialect
