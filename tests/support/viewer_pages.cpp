#include "support/viewer_pages.h"

#include <QRegularExpression>
#include <stdexcept>

#include "support/djvu_documents.h"

namespace testdocs {

namespace {

// The bytes a djvused string stands for: \" \\ and octal escapes.
QString Decoded(const QString& quoted) {
  QByteArray bytes;
  const QByteArray raw = quoted.toUtf8();
  for (qsizetype i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 >= raw.size()) {
      bytes += raw[i];
    } else if (raw[i + 1] >= '0' && raw[i + 1] <= '7') {
      bytes += char(raw.mid(i + 1, 3).toInt(nullptr, 8));
      i += 3;
    } else {
      bytes += raw[++i];
    }
  }
  return QString::fromUtf8(bytes);
}

const QString kString = QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\"");

}  // namespace

ViewerPages::ViewerPages(const QString& document) {
  static const QRegularExpression page(QStringLiteral("^ *\\d+ P +\\d+  (.*)$"));
  for (const QString& line : QString::fromUtf8(Djvused({document, "-e", "ls"})).split(QLatin1Char('\n'))) {
    const auto m = page.match(line);
    if (!m.hasMatch()) continue;
    QString rest = m.captured(1);
    Page p;
    const qsizetype file = rest.indexOf(QLatin1String(" F="));
    if (file >= 0) {
      p.name = rest.mid(file + 3);
      rest.truncate(file);
    }
    const qsizetype title = rest.indexOf(QLatin1String(" T="));
    if (title >= 0) {
      p.title = rest.mid(title + 3);
      rest.truncate(title);
    }
    p.id = rest;
    if (p.name.isEmpty()) p.name = p.id;
    if (p.title.isEmpty()) p.title = p.id;
    pages_ << p;
  }
  if (pages_.isEmpty()) throw std::runtime_error("djvused -e ls listed no page of " + document.toStdString());
}

int ViewerPages::Find(const QString& key, QString Page::*field) const {
  for (int i = 0; i < pages_.size(); ++i) {
    if (pages_[i].*field == key) return i + 1;
  }
  return 0;
}

int ViewerPages::Number(const QString& text) const {
  static const QRegularExpression digits(QStringLiteral("^\\d+$"));
  if (!digits.match(text).hasMatch()) return 0;
  const int n = text.toInt();
  return n >= 1 && n <= pages_.size() ? n : 0;
}

int ViewerPages::QtViewerPage(const QString& url, int current) const {
  if (!url.startsWith(QLatin1Char('#')) || url.size() < 2) return 0;
  const QString text = url.mid(1);
  if (text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-') || text[0] == QLatin1Char('$')) {
    const int n = Number(text.mid(1));
    if (text[0] == QLatin1Char('$')) return n;
    const int page = current + (text[0] == QLatin1Char('+') ? 1 : -1) * text.mid(1).toInt();
    return page >= 1 && page <= pages_.size() ? page : 0;
  }
  for (const int page : {Find(text, &Page::title), Number(text), Find(text, &Page::name), Find(text, &Page::id)}) {
    if (page) return page;
  }
  return 0;
}

int ViewerPages::DocumentApiPage(const QString& url, int current) const {
  if (!url.startsWith(QLatin1Char('#')) || url.size() < 2) return 0;
  const QString text = url.mid(1);
  if (text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-') || text[0] == QLatin1Char('$')) {
    return QtViewerPage(url, current);
  }
  for (const int page : {Find(text, &Page::id), Find(text, &Page::name), Find(text, &Page::title), Number(text)}) {
    if (page) return page;
  }
  return 0;
}

int ViewerPages::Follow(const QString& url, int current) const {
  const int qt = QtViewerPage(url, current), api = DocumentApiPage(url, current);
  if (qt != api) {
    throw std::runtime_error(QStringLiteral("%1 opens page %2 in the Qt viewer, %3 through the document API")
                                 .arg(url)
                                 .arg(qt)
                                 .arg(api)
                                 .toStdString());
  }
  return qt;
}

void SetPageTitles(const QString& document, const QStringList& titles) {
  QStringList commands;
  for (int i = 0; i < titles.size(); ++i) {
    if (!titles[i].isEmpty()) commands << QStringLiteral("select %1; set-page-title %2").arg(i + 1).arg(QString::fromUtf8(Quoted(titles[i])));
  }
  Djvused({document, "-e", commands.join(QLatin1String("; ")), "-s"});
}

QStringList PrintedTitles(int front, int pageCount) {
  static const char* const kRoman[] = {"i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix", "x"};
  QStringList titles;
  for (int page = 1; page <= pageCount; ++page) {
    titles << (page <= front ? QString::fromLatin1(kRoman[page - 1]) : QString::number(page - front));
  }
  return titles;
}

QStringList FollowedLinks(const QString& document) {
  const ViewerPages pages(document);
  static const QRegularExpression select(QStringLiteral("^select .* # page (\\d+)$"));
  static const QRegularExpression area(QStringLiteral("\\(maparea ") + kString +
                                       QStringLiteral(" [^(]*\\((?:rect|oval) (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+)"));
  QStringList followed;
  int page = 0;
  for (const QString& line : QString::fromUtf8(OutputAnt(document)).split(QLatin1Char('\n'))) {
    const auto s = select.match(line);
    if (s.hasMatch()) {
      page = s.captured(1).toInt();
      continue;
    }
    auto it = area.globalMatch(line);
    while (it.hasNext()) {
      const auto m = it.next();
      const QString url = Decoded(m.captured(1));
      const QString opened = url.startsWith(QLatin1Char('#')) ? QString::number(pages.Follow(url, page)) : url;
      followed << QStringLiteral("%1 → %2 %3 %4 %5 %6")
                      .arg(page)
                      .arg(opened, m.captured(2), m.captured(3), m.captured(4), m.captured(5));
    }
  }
  return followed;
}

QStringList FollowedBookmarks(const QString& document) {
  const ViewerPages pages(document);
  static const QRegularExpression bookmark(QStringLiteral("\\(") + kString + QStringLiteral("\\s+") + kString);
  QStringList followed;
  auto it = bookmark.globalMatch(QString::fromUtf8(Djvused({document, "-e", "print-outline"})));
  while (it.hasNext()) {
    const auto m = it.next();
    followed << QStringLiteral("%1 → %2").arg(Decoded(m.captured(1))).arg(pages.Follow(Decoded(m.captured(2)), 0));
  }
  return followed;
}

}  // namespace testdocs
