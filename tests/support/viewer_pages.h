#pragma once
// Links and bookmarks followed as the viewers follow them, read from the real
// book with djvused, independently of the program's own reading: the Qt
// viewer looks the text after "#" up among the page titles, then reads it as
// a page number, then among the page names and ids; DjVuLibre's document API
// looks it up among the ids, the names, the titles and only then reads a
// number. "+n", "-n" and "$n" are read alike by both.
#include <QList>
#include <QString>
#include <QStringList>

namespace testdocs {

class ViewerPages {
 public:
  // Reads the document's "-e ls".
  explicit ViewerPages(const QString& document);
  // The page each viewer opens from page `current`; 0: none.
  int QtViewerPage(const QString& url, int current) const;
  int DocumentApiPage(const QString& url, int current) const;
  // The page both open; throws std::runtime_error naming the URL when they differ.
  int Follow(const QString& url, int current) const;

 private:
  struct Page {
    QString id, name, title;
  };
  int Find(const QString& key, QString Page::*field) const;
  int Number(const QString& text) const;
  QList<Page> pages_;
};

// Gives the document's pages the titles, page by page from the first
// (djvused's set-page-title); an empty title leaves the page as it is.
void SetPageTitles(const QString& document, const QStringList& titles);
// Roman numerals for the first `front` pages, then 1, 2, ...: the titles a
// book made from a typeset original carries.
QStringList PrintedTitles(int front, int pageCount);

// Every link of every page followed: "PAGE → OPENED LEFT BOTTOM WIDTH HEIGHT"
// in page order (a web link's "OPENED" is its URL).
QStringList FollowedLinks(const QString& document);
// Every bookmark followed: "TITLE → OPENED", in order.
QStringList FollowedBookmarks(const QString& document);

}  // namespace testdocs
