#include "create/title_offset.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

#include "folios/book_folios.h"
#include "folios/folio_map.h"
#include "page/printed_lines.h"
#include "targets/page_text.h"
#include "targets/word_keys.h"

namespace {

constexpr int kHeadingLines = 4;

// A heading's words as a page of their own, one line each, for the folded
// comparison of the check of links.
targets::PageText HeadingText(const QString& heading) {
  TextZone page;
  const QStringList lines = heading.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  page.box = PageRect::Edges(0, 0, 1000, 100 * (lines.size() + 1));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    TextZone zone;
    zone.kind = ZoneKind::Line;
    zone.box = PageRect::Edges(0, page.box.top - 100 * (i + 1), 1000, page.box.top - 100 * i - 40);
    zone.text = lines[i];
    page.children << zone;
  }
  return targets::PageText(page);
}

}  // namespace

QString HeadingOf(const TextZone& page) {
  QStringList lines;
  for (const PrintedLine& line : PrintedLines(page)) {
    const QString text = line.Text().trimmed();
    if (text.isEmpty() || IsNumberWord(text)) continue;
    lines << text;
    if (lines.size() == kHeadingLines) break;
  }
  return lines.join(QLatin1Char('\n'));
}

std::optional<TitleOffset> OffsetByTitles(const QList<TitledNumber>& entries, int pageCount,
                                          const std::function<QString(int page)>& headingOf) {
  QList<QPair<int, QStringList>> keyed;  // printed number, title keys
  int lowest = pageCount;
  for (const TitledNumber& entry : entries) {
    const QStringList keys = targets::KeyWords(entry.title);
    if (keys.isEmpty() || entry.printed < 1) continue;
    keyed.append({entry.printed, keys});
    lowest = std::min(lowest, entry.printed);
  }
  if (keyed.size() < 2) return std::nullopt;
  QHash<int, targets::PageText> headings;  // made once a page is asked about
  const auto heading = [&](int page) -> const targets::PageText& {
    auto it = headings.find(page);
    if (it == headings.end()) it = headings.insert(page, HeadingText(headingOf(page)));
    return *it;
  };
  TitleOffset best, second;
  for (int offset = 1 - lowest; offset <= pageCount - lowest; ++offset) {
    int matched = 0;
    for (const auto& [printed, keys] : keyed) {
      const int page = printed + offset;
      if (page < 1 || page > pageCount) continue;
      if (targets::HoldsEntry(heading(page).Found(keys), int(keys.size()), false)) ++matched;
    }
    if (matched > best.matched) {
      second = best;
      best = {offset, matched, int(keyed.size())};
    } else if (matched > second.matched) {
      second = {offset, matched, int(keyed.size())};
    }
  }
  if (best.matched < 2 || best.matched * 4 < int(keyed.size()) || best.matched == second.matched) return std::nullopt;
  return best;
}

QHash<int, QString> ReadBookHeadings(DjvusedRunner& runner, const QString& path) {
  QHash<int, QString> headings;
  ReadBookFolios(runner, path, [&](const PageData& page, const TextZone& zones, int) {
    headings.insert(page.number, HeadingOf(zones));
  });
  return headings;
}

QString TitleOffsetLine(const std::optional<TitleOffset>& found) {
  if (!found) {
    return QCoreApplication::translate("CreateRun",
                                       "Номера страниц в книге не найдены, смещение по заголовкам глав не определено: "
                                       "ссылки по номерам не созданы");
  }
  return QCoreApplication::translate("CreateRun",
                                     "Номера страниц в книге не найдены; смещение %1 найдено по заголовкам глав "
                                     "(%2 из %3 записей содержания)")
      .arg(OffsetText(found->offset))
      .arg(found->matched)
      .arg(found->entries);
}
