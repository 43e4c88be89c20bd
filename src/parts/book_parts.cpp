#include "parts/book_parts.h"

#include <algorithm>

namespace {

PartKind KindOfHeading(ListHeading heading) {
  switch (heading) {
    case ListHeading::Figures: return PartKind::Figures;
    case ListHeading::Tables: return PartKind::Tables;
    case ListHeading::Index: return PartKind::Index;
    default: return PartKind::Contents;
  }
}

// Whether a contents page goes on with the list before it: the next page or
// the one after (a page between whose numbers the text layer lost), numbers
// that keep growing, and no heading of another list.
bool GoesOn(const BookPart& list, int lastNumber, const PageLook& look) {
  if (look.page > list.lastPage + 2 || look.firstNumber < lastNumber) return false;
  return look.heading == ListHeading::None || KindOfHeading(look.heading) == list.kind;
}

}  // namespace

QString PartKindName(PartKind kind) {
  switch (kind) {
    case PartKind::Contents: return QStringLiteral("contents");
    case PartKind::Figures: return QStringLiteral("figures");
    case PartKind::Tables: return QStringLiteral("tables");
    case PartKind::Index: return QStringLiteral("index");
  }
  return {};
}

QList<BookPart> FindBookParts(const QList<PageLook>& looks, int pageCount) {
  QList<BookPart> parts;
  int lastNumber = 0;  // the last entry number of the contents list being read
  for (const PageLook& look : looks) {
    BookPart* last = parts.isEmpty() ? nullptr : &parts.last();
    if (look.kind == PageKind::Contents) {
      if (last && last->kind != PartKind::Index && GoesOn(*last, lastNumber, look)) {
        last->lastPage = look.page;
        last->entries += look.entries;
      } else {
        const PartKind kind = look.heading == ListHeading::Index ? PartKind::Contents : KindOfHeading(look.heading);
        parts.append(BookPart{kind, look.page, look.page, look.entries, false});
      }
      lastNumber = look.lastNumber;
    } else if (look.kind == PageKind::Index && look.page * 2 > pageCount) {
      if (last && last->kind == PartKind::Index && look.page == last->lastPage + 1) {
        last->lastPage = look.page;
        last->entries += look.entries;
      } else if (look.heading == ListHeading::Index) {
        parts.append(BookPart{PartKind::Index, look.page, look.page, look.entries, false});
      }
    }
  }
  BookPart* main = nullptr;
  for (BookPart& part : parts) {
    if (part.kind == PartKind::Contents && (!main || part.entries > main->entries)) main = &part;
  }
  if (main) main->main = true;
  return parts;
}
