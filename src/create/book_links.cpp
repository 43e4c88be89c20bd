#include "create/book_links.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/job_log.h"
#include "folios/folio_map.h"

namespace {

bool Holds(const BookPart& part, int page) { return part.firstPage <= page && page <= part.lastPage; }

// "(2 списка)": the count of lists with the Russian noun's form for it.
QString ListCount(int lists) {
  const int last = lists % 10, lastTwo = lists % 100;
  if (last == 1 && lastTwo != 11) return QCoreApplication::translate("CreateRun", "(%1 список)").arg(lists);
  if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
    return QCoreApplication::translate("CreateRun", "(%1 списка)").arg(lists);
  }
  return QCoreApplication::translate("CreateRun", "(%1 списков)").arg(lists);
}

}  // namespace

QList<BookPart> PartsWithin(const QList<BookPart>& parts, int first, int last) {
  QList<BookPart> within;
  for (BookPart part : parts) {
    part.firstPage = std::max(part.firstPage, first);
    part.lastPage = std::min(part.lastPage, last);
    if (part.firstPage <= part.lastPage) within << part;
  }
  return within;
}

QList<int> PartPages(const QList<BookPart>& parts) {
  QList<int> pages;
  for (const BookPart& part : parts) {
    for (int page = part.firstPage; page <= part.lastPage; ++page) pages << page;
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  return pages;
}

QList<PageEntries> ReadBookPages(const QList<const PageData*>& textPages, const QList<BookPart>& parts,
                                 const AutoLinkSettings& settings, const AutoPageLinks::Ask& ask) {
  QList<PageEntries> read;
  for (qsizetype p = 0; p < parts.size(); ++p) {
    AutoLinkSettings own = settings;
    own.workType = parts[p].kind == PartKind::Index ? WorkType::IndexAuto : WorkType::ContentsAuto;
    AutoPageLinks links(own, ask);
    for (qsizetype i = 0; i < textPages.size(); ++i) {
      if (Holds(parts[p], textPages[i]->number)) read << ReadAutoPage(*textPages[i], int(i) + 1, links, int(p));
    }
  }
  return read;
}

QList<LinkedEntry> MainListEntries(const QList<LinkedEntry>& linked, const QList<const PageData*>& textPages,
                                   const QList<BookPart>& parts) {
  const auto main = std::find_if(parts.begin(), parts.end(), [](const BookPart& p) { return p.main; });
  QList<LinkedEntry> entries;
  if (main == parts.end()) return entries;
  for (const LinkedEntry& entry : linked) {
    if (Holds(*main, textPages.at(entry.ordinal - 1)->number)) entries << entry;
  }
  return entries;
}

QString BookPartsLine(const QList<BookPart>& parts, std::optional<int> offset) {
  QList<int> contentsPages, indexPages;
  int lists = 0;
  for (const BookPart& part : parts) {
    QList<int>& pages = part.kind == PartKind::Index ? indexPages : contentsPages;
    for (int page = part.firstPage; page <= part.lastPage; ++page) pages << page;
    if (part.kind != PartKind::Index) ++lists;
  }
  const QString contents =
      contentsPages.isEmpty()
          ? QCoreApplication::translate("CreateRun", "Содержание не найдено")
          : QCoreApplication::translate("CreateRun", "Содержание: стр. %1").arg(joblog::PageRuns(contentsPages)) +
                (lists > 1 ? QLatin1Char(' ') + ListCount(lists) : QString());
  const QString index = indexPages.isEmpty()
                            ? QCoreApplication::translate("CreateRun", "указатель не найден")
                            : QCoreApplication::translate("CreateRun", "указатель: стр. %1")
                                  .arg(joblog::PageRuns(indexPages));
  const QString shift = offset ? QCoreApplication::translate("CreateRun", "смещение %1").arg(OffsetText(*offset))
                               : QCoreApplication::translate("CreateRun", "смещение не найдено");
  return QCoreApplication::translate("CreateRun", "%1, %2, %3").arg(contents, index, shift);
}

QString BookFoundLine(const QList<BookPart>& parts, std::optional<int> offset, int links) {
  return QCoreApplication::translate("CreateRun", "%1; создано ссылок: %2")
      .arg(BookPartsLine(parts, offset), QString::number(links));
}

QString NothingFoundLine() {
  return QCoreApplication::translate("CreateRun", "не найдено ни содержания, ни указателя");
}

QString NoHiddenTextLine() {
  return QCoreApplication::translate("CreateRun",
                                     "Внимание: в книге нет скрытого текста (OCR): распознайте её или прочитайте "
                                     "страницы с изображения (--ocr)");
}

QString NoFoliosLine() {
  return QCoreApplication::translate("CreateRun",
                                     "Внимание: номера страниц книги не прочитаны: на её страницах нет скрытого "
                                     "текста; ссылки не созданы, задайте смещение");
}
