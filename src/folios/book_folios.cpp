#include "folios/book_folios.h"

#include <QCoreApplication>
#include <exception>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "djvused/component_list.h"
#include "folios/title_folios.h"
#include "page/text_layer.h"
#include "djvused/djvu_book.h"

namespace {

// Reads each page's folio candidates from a piece of a dump of whole pages.
void AppendPages(QByteArrayView dump, QList<PageFolios>& pages) {
  for (const DumpPage& page : SplitTextDump(dump)) {
    if (page.number < 1 || page.zones.isEmpty()) continue;
    pages.append(PageFolios{page.number, ReadFolioCandidates(page.zones)});
  }
}

// Reads the pages of "n; output-txt" output as they arrive: each piece up to
// the last page start seen is complete and read at once, so reading overlaps
// with djvused's dumping of the later pages.
class StreamedFolios {
 public:
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
  // hidden text does not read, DjvusedError when no page count came.
  FolioMap Finish(const QString& path) {
    if (failure_) std::rethrow_exception(failure_);
    ReadPages(pending_.size());
    if (count_ <= 0) {
      throw DjvusedError(
          QCoreApplication::translate("BookFolios", "djvused не сообщил число страниц документа %1").arg(path));
    }
    return FolioMap::Build(pages_, count_);
  }

 private:
  void Read(const QByteArray& piece) {
    pending_ += piece;
    if (count_ < 0) {
      const qsizetype end = pending_.indexOf('\n');
      if (end < 0) return;
      bool ok = false;
      count_ = pending_.left(end).trimmed().toInt(&ok);
      if (!ok) count_ = 0;
      pending_.remove(0, end + 1);
    }
    const qsizetype lastStart = pending_.lastIndexOf("\nselect \"");
    if (lastStart > 0) ReadPages(lastStart + 1);
  }
  void ReadPages(qsizetype length) {
    AppendPages(QByteArrayView(pending_).first(length), pages_);
    pending_.remove(0, length);
  }

  QByteArray pending_;
  int count_ = -1;
  QList<PageFolios> pages_;
  std::exception_ptr failure_;
};

}  // namespace

FolioMap FolioMapOfDump(QByteArrayView dump, int pageCount) {
  QList<PageFolios> pages;
  AppendPages(dump, pages);
  return FolioMap::Build(pages, pageCount);
}

FolioMap ReadBookFolios(DjvusedRunner& runner, const QString& path) {
  if (std::optional<FolioMap> titles = TitleFolioMap(djvubook::Components(runner, path))) {
    return *std::move(titles);
  }
  StreamedFolios folios;
  runner.StreamPageCountAndText(path, [&](const QByteArray& piece) { folios.Take(piece); });
  return folios.Finish(path);
}
