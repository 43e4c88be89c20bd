#include "create/auto_page_links.h"

#include "create/link_writer.h"
#include "folios/folio_targets.h"

namespace {

// Roman numbers are linked with a Roman offset or through the book's numbers.
bool RomanLinked(const AutoLinkSettings& s) { return s.romanOffset || (s.folios && s.folios->Placing()); }

}  // namespace

AutoPageLinks::AutoPageLinks(const AutoLinkSettings& settings, Ask ask)
    : settings_(settings),
      ask_(std::move(ask)),
      contents_({[this](int printed, bool roman) { return Target(printed, roman); }, RomanLinked(settings),
                 [this](int previous, int current, const QString& lineText) -> std::optional<int> {
                   if (!ask_) return std::nullopt;
                   return ask_(previous, current, page_, lineText);
                 }}) {}

std::optional<int> AutoPageLinks::Target(int printed, bool roman) const {
  const int number = !roman && settings_.halve ? printed / 2 : printed;  // the number a page shows
  qint64 target;
  if (settings_.folios && settings_.folios->Placing()) {
    // Through the book's own numbers, Roman ones included.
    const std::optional<qint64> placed = settings_.folios->Target(number, roman, 0, false);
    if (!placed) return std::nullopt;
    target = *placed;
  } else {
    if (roman) {
      if (!settings_.romanOffset) return std::nullopt;
      target = qint64(*settings_.romanOffset) + printed - 1;
    } else {
      target = TargetPage(printed, settings_.offset, settings_.halve);
    }
    if (settings_.folios) settings_.folios->Target(number, roman, target, roman || !settings_.halve);
  }
  if (target < 1 || target > settings_.pageCount) return std::nullopt;
  return int(target);
}

void WriteAutoPage(const PageData& page, int ordinal, AutoPageLinks& links, LinkWriter& writer) {
  writer.PageSelection(ordinal - 1);
  for (const ContentsEntry& e : links.Page(ParseTextLayer(page.text), page.number)) {
    writer.WriteEntry(e.target, e.area, e.printed, LinkedEntry{e, {}, 0});
  }
}

QList<ContentsEntry> AutoPageLinks::Page(const TextZone& page, int documentPage) {
  page_ = documentPage;
  if (settings_.workType == WorkType::IndexAuto) {
    return IndexEntries(page, documentPage,
                        {[this](int printed, bool roman) { return Target(printed, roman); },
                         RomanLinked(settings_)});
  }
  return contents_.Page(page, documentPage);
}
