#include "folios/title_folios.h"

#include <algorithm>
#include <cstring>

namespace {

bool AllOf(const QByteArray& text, const char* letters) {
  return std::all_of(text.begin(), text.end(), [letters](char c) { return c != 0 && std::strchr(letters, c); });
}

}  // namespace

QList<PageFolios> TitleFolios(const QList<ComponentLine>& components) {
  QList<PageFolios> pages;
  int number = 0;
  for (const ComponentLine& component : components) {
    if (component.type != 'P') continue;
    ++number;
    const QByteArray& title = component.title;
    // Only what a person writes as a page number: no OCR look-alikes here.
    if (title.isEmpty() || !(AllOf(title, "0123456789") || AllOf(title, "ivxlcdm") || AllOf(title, "IVXLCDM"))) {
      continue;
    }
    // A title that is the page's own place in the document is what a
    // converter writes when its source has no page labels: it says nothing
    // of the number printed on the page.
    if (title == QByteArray::number(number)) continue;
    if (const std::optional<Folio> folio = ParseFolioToken(QString::fromLatin1(title))) {
      pages.append(PageFolios{number, {*folio}});
    }
  }
  return pages;
}

std::optional<FolioMap> TitleFolioMap(const QList<ComponentLine>& components) {
  const QList<PageFolios> folios = TitleFolios(components);
  if (folios.isEmpty()) return std::nullopt;
  const int pageCount =
      int(std::count_if(components.begin(), components.end(), [](const ComponentLine& c) { return c.type == 'P'; }));
  FolioMap map = FolioMap::Build(folios, pageCount);
  if (map.Runs().isEmpty()) return std::nullopt;
  return map;
}
