#include "create/auto_page_links.h"

#include "create/link_writer.h"
#include "folios/folio_map.h"
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

std::optional<int> AutoPageLinks::Target(int printed, bool roman) const { return Place(printed, roman, true); }

std::optional<int> AutoPageLinks::TriedTarget(int printed, bool roman) const { return Place(printed, roman, false); }

std::optional<int> AutoPageLinks::Place(int printed, bool roman, bool counted) const {
  const int number = !roman && settings_.halve ? printed / 2 : printed;  // the number a page shows
  qint64 target;
  if (settings_.folios && settings_.folios->Placing()) {
    // Through the book's own numbers, Roman ones included.
    std::optional<qint64> placed = settings_.folios->Map().PageOf(number, roman);
    if (counted) placed = settings_.folios->Target(number, roman, 0, false);
    if (!placed) return std::nullopt;
    target = *placed;
  } else {
    if (roman) {
      if (!settings_.romanOffset) return std::nullopt;
      target = qint64(*settings_.romanOffset) + printed - 1;
    } else {
      target = TargetPage(printed, settings_.offset, settings_.halve);
    }
    if (settings_.folios && counted) settings_.folios->Target(number, roman, target, roman || !settings_.halve);
  }
  if (target < 1 || target > settings_.pageCount) return std::nullopt;
  return int(target);
}

PageEntries ReadAutoPage(const PageData& page, int ordinal, AutoPageLinks& links, int list) {
  PageEntries read{ordinal, links.Page(ParseTextLayer(page.text), page.number), links.Index(), list};
  for (ContentsEntry& e : read.entries) e.page = page.number;
  return read;
}

void WriteAutoPages(const QList<PageEntries>& pages, LinkWriter& writer) {
  for (const PageEntries& page : pages) {
    writer.PageSelection(page.ordinal - 1);
    for (const ContentsEntry& e : page.entries) writer.WriteEntry(e.target, e.area, e.printed, LinkedEntry{e, {}, 0});
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
