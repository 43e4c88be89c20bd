#pragma once
// Where a link inside the document leads, as the viewers find it, and how a
// link is written so that every viewer opens the page it is meant for.
//
// A viewer reads the text after "#" of an internal URL like this: "+n" and
// "-n" are n pages after or before the current page, "$n" is page n. Any
// other text is looked up among the pages, and here the viewers differ:
// - the Qt viewer tries the pages' titles first, then the text as a page
//   number, then the pages' names and ids;
// - DjVuLibre's document API (which the other viewers use) tries the ids
//   first, then the names, then the titles, and only then a page number.
// A page without a title of its own is titled with its id, and a page saved
// under its id has that as its name. So in a book whose pages carry titles
// ("i", "1", ...) "#8" opens the page titled "8" in the one viewer and maybe
// also in the other, while a page's id finds that page in both unless a title
// of another page is the same text.
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <optional>

#include "djvused/component_list.h"

class PageTargets {
 public:
  // No pages known: "#N" opens page N.
  PageTargets() = default;
  // From djvused's "-e ls"; the pages are the 'P' lines in their order.
  explicit PageTargets(const QList<ComponentLine>& components);

  int PageCount() const { return int(pages_.size()); }
  // Some page carries a title of its own.
  bool Titled() const { return titled_; }
  // Links are written with the pages' ids: the pages carry titles and every
  // page's id leads to that page alone in both viewers.
  bool WritesIds() const { return titled_ && !blocker_ && !refused_; }
  // The first page whose id does not lead to it alone (a title of another
  // page, or a number that reads as another page): ids cannot be used.
  std::optional<int> IdBlocker() const { return blocker_; }
  QByteArray IdOf(int page) const;

  // The ids as read from lines that carry " T=" or " F=": an id may hold
  // those letters itself, so that reading must be confirmed by djvused
  // selecting each of them; RefuseIds when it cannot.
  QList<QByteArray> UncertainIds() const { return uncertain_; }
  void RefuseIds() { refused_ = true; }
  bool IdsRefused() const { return refused_; }

  // The URL of a link to the document page, unquoted: "#p0008.djvu" when
  // WritesIds, otherwise "#8".
  QByteArray UrlOf(qint64 page) const;

  struct Opened {
    int page = 0;            // the page the Qt viewer opens; 0: none (not "#…", no such page)
    bool ambiguous = false;  // the document API opens another page (or none)
  };
  // The page an internal URL opens, followed from `current`.
  Opened Open(QByteArrayView url, int current = 0) const;
  // The page a link written for `page` opens.
  int Opens(qint64 page) const { return Open(UrlOf(page)).page; }

 private:
  struct Page {
    QByteArray id, name, title;  // name and title default to the id
  };
  // The page found for the text after "#" by either viewer's order; 0: none.
  int TitlesFirst(QByteArrayView text) const;
  int IdsFirst(QByteArrayView text) const;
  int Number(QByteArrayView text) const;

  QList<Page> pages_;
  QHash<QByteArray, int> byId_, byName_, byTitle_;  // the first page of each text
  QList<QByteArray> uncertain_;
  bool titled_ = false;
  bool refused_ = false;
  std::optional<int> blocker_;
};
