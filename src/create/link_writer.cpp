#include "create/link_writer.h"

#include <cstdlib>

#include "djvused/script_dialect.h"

std::optional<PageRect> EntryArea(const PageRect& line, int prevLineTop, const PageLinkState& page,
                                  bool widenLeft, int* adjustedLeft) {
  const qint64 bottom = line.bottom, top = line.top, above = prevLineTop;
  qint64 left = line.left;
  if (widenLeft && page.lastLeft != 0 && page.lastLeft < left && page.lastRight > left) left = page.lastLeft;
  if (adjustedLeft) *adjustedLeft = int(left);

  qint64 upper = page.lastTop;
  if ((upper == 0 || upper < top) && above != 0 && above > top) upper = above - bottom + top;
  // A preceding line with the same top as this one counts like a lower one:
  // the area covers the line itself rather than reaching up to y = 0.
  if ((upper == 0 || upper < top) && above <= top) upper = bottom;
  const qint64 height = std::llabs(upper - top);
  if (height == 0) return std::nullopt;
  return PageRect::Sized(left, bottom, line.right - left, height);
}

LinkWriter::LinkWriter(const LinkStyle& style, TextPageRange range, const PageTargets* targets)
    : style_(style), range_(range), targets_(targets ? *targets : PageTargets()) {}

void LinkWriter::PageSelection(int ordinal) {
  page_ = PageLinkState{};
  ordinal_ = ordinal + 1;
}

void LinkWriter::WriteArea(qint64 target, const PageRect& area, Folio printed) {
  if (!range_.Contains(ordinal_)) return;
  if (pages_.isEmpty() || pages_.last().ordinal != ordinal_) pages_.append(PageLinks{ordinal_, {}, {}});
  PageLinks& page = pages_.last();
  using dialect::NumberText;
  page.text += "(maparea " + dialect::Quote(targets_.UrlOf(target)) + " \"\" (" + style_.shape + ' ' + NumberText(area.left) + ' ' +
               NumberText(area.bottom) + ' ' + NumberText(area.Width()) + ' ' + NumberText(area.Height()) + " ) " +
               style_.options + " ) ";
  page.links.append(MadeLink{area, target, printed, 0, {}});
}

void LinkWriter::WriteEntry(qint64 target, const PageRect& area, Folio printed, LinkedEntry entry) {
  if (!range_.Contains(ordinal_)) return;
  WriteArea(target, area, printed);
  entry.entry.target = int(target);
  entry.entry.area = area;
  entry.entry.printed = printed;
  entry.ordinal = ordinal_;
  entries_.append(std::move(entry));
}

QList<PageRect> PageLinks::Areas() const {
  QList<PageRect> areas;
  for (const MadeLink& link : links) areas << link.area;
  return areas;
}
