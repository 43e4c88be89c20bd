#include "folios/book_folios.h"

#include <QCoreApplication>
#include <algorithm>
#include <exception>
#include <optional>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "djvused/component_list.h"
#include "folios/title_folios.h"
#include "page/text_layer.h"

namespace {

// Reads each page's folio candidates from a piece of a dump of whole pages.
void AppendPages(QByteArrayView dump, QList<PageFolios>& pages) {
  for (const PageData& page : SplitTextDump(dump)) {
    if (page.number < 1 || page.text.isEmpty()) continue;
    pages.append(PageFolios{page.number, ReadFolioCandidates(page.text)});
  }
}

// Reads "ls; output-txt" output as it arrives: the component list first (the
// page count, and the pages' titles, which give the map when they are the
// printed numbers), then the pages, each piece up to the last page start seen
// read at once, so reading overlaps with djvused's dumping of the later pages.
class StreamedFolios {
 public:
  explicit StreamedFolios(PageTextSink eachPage) : eachPage_(std::move(eachPage)) {}
  // The component list as djvused printed it, once it has come.
  const QByteArray& ComponentList() const { return componentList_; }
  // Called from djvused's output signal: an error is kept for Finish, as an
  // exception must not pass through the event loop.
  void Take(const QByteArray& piece) {
    if (failure_) return;
    try {
      Read(piece);
    } catch (const QuillmarkError&) {
      failure_ = std::current_exception();
    }
  }
  // The map once djvused has ended; throws InputError for a page whose
  // hidden text does not read, DjvusedError when no page list came.
  FolioMap Finish(const QString& path) {
    if (failure_) std::rethrow_exception(failure_);
    if (titles_ && eachPage_) ReadPages(pending_.size());
    if (titles_) return *std::move(titles_);
    if (count_ < 0) {
      throw DjvusedError(
          QCoreApplication::translate("BookFolios", "djvused не сообщил число страниц документа %1").arg(path));
    }
    ReadPages(pending_.size());
    return FolioMap::Build(pages_, count_);
  }

 private:
  void Read(const QByteArray& piece) {
    if (titles_ && !eachPage_) return;  // the titles are the map: the text is not needed
    pending_ += piece;
    if (count_ < 0 && !ReadPageList()) return;
    const qsizetype lastStart = pending_.lastIndexOf("\nselect \"");
    if (lastStart > 0) ReadPages(lastStart + 1);
  }
  // The component list, once the dump's first line has come; false before.
  bool ReadPageList() {
    const qsizetype dump = pending_.startsWith(kDumpStart) ? 0 : pending_.indexOf("\n" + kDumpStart);
    if (dump < 0) return false;
    componentList_ = pending_.first(dump);
    const QList<ComponentLine> components = ReadComponentList(componentList_);
    count_ = int(std::count_if(components.begin(), components.end(), [](const ComponentLine& c) { return c.type == 'P'; }));
    titles_ = TitleFolioMap(components);
    pending_.remove(0, dump);
    return true;
  }
  void ReadPages(qsizetype length) {
    const QByteArrayView piece = QByteArrayView(pending_).first(length);
    if (eachPage_) {
      for (const PageData& page : SplitTextDump(piece)) {
        if (page.number < 1 || page.text.isEmpty()) continue;
        const TextZone zones = ParseTextLayer(page.text);
        eachPage_(page, zones, count_);
        if (!titles_) pages_.append(PageFolios{page.number, ReadFolioCandidates(zones)});
      }
    } else {
      AppendPages(piece, pages_);
    }
    pending_.remove(0, length);
  }

  inline static const QByteArray kDumpStart = "select; remove-txt";
  QByteArray pending_;
  QByteArray componentList_;
  int count_ = -1;
  std::optional<FolioMap> titles_;
  QList<PageFolios> pages_;
  std::exception_ptr failure_;
  PageTextSink eachPage_;
};

}  // namespace

FolioMap FolioMapOfDump(QByteArrayView dump, int pageCount) {
  QList<PageFolios> pages;
  AppendPages(dump, pages);
  return FolioMap::Build(pages, pageCount);
}

FolioMap ReadBookFolios(DjvusedRunner& runner, const QString& path, const PageTextSink& eachPage,
                        QByteArray* componentList) {
  StreamedFolios folios(eachPage);
  runner.StreamPageListAndText(path, [&](const QByteArray& piece) { folios.Take(piece); });
  FolioMap map = folios.Finish(path);
  if (componentList) *componentList = folios.ComponentList();
  return map;
}
