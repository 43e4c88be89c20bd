#include "create/book_page_numbers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "core/errors.h"
#include "djvused/book_pages.h"
#include "djvused/book_session.h"
#include "djvused/djvused_runner.h"
#include "folios/sampled_map.h"
#include "folios/title_folios.h"
#include "djvused/djvu_book.h"

namespace {

int PageCountOf(const QList<ComponentLine>& components) {
  return int(std::count_if(components.begin(), components.end(), [](const ComponentLine& c) { return c.type == 'P'; }));
}

}  // namespace

FolioMap ReadBookPageNumbers(DjvusedRunner& runner, const QString& shortPath, const QList<ComponentLine>& components) {
  if (std::optional<FolioMap> titles = TitleFolioMap(components)) return *std::move(titles);
  const PageTextReader read = [&](const QList<int>& pages) {
    QList<PageData> texts = djvubook::Pages(runner, shortPath, pages);
    texts.removeIf([](const PageData& page) { return page.text.isEmpty(); });
    return texts;
  };
  return SampleFolioMap(PageCountOf(components), read).map;
}

namespace {

// Targets whose pages are read for the check, spread over all the targets.
constexpr int kCheckedTargets = 8;

// Each link whose target has a folio in `shown`, checked against it.
FolioTargets CheckedTargets(const QMap<qint64, Folio>& shown, const QList<PageLinks>& links) {
  FolioTargets check(shown);
  for (const PageLinks& page : links) {
    for (const MadeLink& link : page.links) {
      check.Target(link.printed.number, link.printed.roman, link.target, true);
    }
  }
  return check;
}

}  // namespace

FolioTargets CheckOffset(DjvusedRunner& runner, const QString& shortPath, const QList<ComponentLine>& components,
                         const QList<PageLinks>& links, QList<int>* unreadable) {
  if (const std::optional<FolioMap> titles = TitleFolioMap(components)) {
    QMap<qint64, Folio> shown;
    for (int page = 1; page <= titles->PageCount(); ++page) {
      if (const std::optional<Folio> folio = titles->PrintedOn(page)) shown.insert(page, *folio);
    }
    return CheckedTargets(shown, links);
  }
  const int pageCount = PageCountOf(components);
  QList<qint64> targets;
  for (const PageLinks& page : links) {
    for (const MadeLink& link : page.links) {
      if (!targets.contains(link.target)) targets << link.target;
    }
  }
  std::sort(targets.begin(), targets.end());
  QSet<int> wanted;
  for (int i = 0; i < kCheckedTargets && i < targets.size(); ++i) {
    const qint64 target = targets[qsizetype(qint64(i) * targets.size() / std::min<qsizetype>(kCheckedTargets, targets.size()))];
    for (qint64 page = target - 1; page <= target + 1; ++page) {
      if (page >= 1 && page <= pageCount) wanted.insert(int(page));
    }
  }
  QList<int> pages(wanted.begin(), wanted.end());
  std::sort(pages.begin(), pages.end());
  QMap<int, QList<Folio>> candidates;
  const auto take = [&](const QList<int>& numbers) {
    for (const PageData& page : djvubook::Pages(runner, shortPath, numbers)) {
      if (!page.text.isEmpty()) candidates.insert(page.number, ReadFolioCandidates(page.text));
    }
  };
  if (!pages.isEmpty()) {
    try {
      take(pages);
    } catch (const DjvusedError&) {
      // Some page djvused cannot read: the others still count.
      for (const int page : pages) {
        try {
          take({page});
        } catch (const DjvusedError&) {
          unreadable->append(page);
        }
      }
    }
  }
  // A page's folio counts where a page beside it carries the next or the
  // previous number: a misread folio or a chapter number never warns.
  QMap<qint64, Folio> shown;
  for (auto it = candidates.constBegin(); it != candidates.constEnd(); ++it) {
    for (const Folio& folio : it.value()) {
      const auto agrees = [&](int step) {
        for (const Folio& other : candidates.value(it.key() + step)) {
          if (other.roman == folio.roman && other.number == folio.number + step) return true;
        }
        return false;
      };
      if (agrees(-1) || agrees(1)) {
        shown.insert(it.key(), folio);
        break;
      }
    }
  }
  return CheckedTargets(shown, links);
}

FoundOffset FindBookOffset(DjvusedRunner& runner, const QString& longPath, int afterPage) {
  BookSession::RequireBook(longPath, QCoreApplication::translate("BookPageNumbers", "Файл не найден: %1").arg(longPath));
  const QString path = DjvusedRunner::ShortPathOf(longPath);
  const FolioMap map = ReadBookPageNumbers(runner, path, djvubook::Components(runner, path));
  FoundOffset found;
  found.offset = map.FirstOffsetAfter(afterPage);
  found.changes = map.ArabicOffsets().size() > 1;
  found.map = map.Describe();
  return found;
}
