#include "folios/folio_map.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace {

struct Key {
  bool roman = false;
  int offset = 0;
  bool operator==(const Key& o) const { return roman == o.roman && offset == o.offset; }
  qint64 Hash() const { return qint64(offset) * 2 + (roman ? 1 : 0); }  // no shift: offsets may be negative
};

// Consecutive pages that chose the same key.
struct Group {
  Key key;
  int firstPage = 0, lastPage = 0;
  int votes = 0;  // pages that read a folio of this key
};

// For every page, the candidate whose offset most pages nearby agree with;
// nothing when no other page nearby agrees with any of its candidates.
QList<std::pair<int, Key>> ChooseKeys(const QList<PageFolios>& pages, int window) {
  QHash<qint64, QList<int>> pagesOfKey;  // ascending page lists
  for (const PageFolios& page : pages) {
    for (const Folio& folio : page.candidates) {
      pagesOfKey[Key{folio.roman, page.page - folio.number}.Hash()].append(page.page);
    }
  }
  const auto support = [&](const Key& key, int page) {
    const QList<int>& list = pagesOfKey[key.Hash()];
    const auto from = std::lower_bound(list.begin(), list.end(), page - window);
    const auto to = std::upper_bound(list.begin(), list.end(), page + window);
    return int(to - from);
  };
  QList<std::pair<int, Key>> chosen;
  for (const PageFolios& page : pages) {
    int best = 1;
    std::optional<Key> bestKey;
    for (const Folio& folio : page.candidates) {
      const Key key{folio.roman, page.page - folio.number};
      const int votes = support(key, page.page);
      if (votes > best) {
        best = votes;
        bestKey = key;
      }
    }
    if (bestKey) chosen.append({page.page, *bestKey});
  }
  return chosen;
}

QList<Group> GroupKeys(const QList<std::pair<int, Key>>& chosen) {
  QList<Group> groups;
  for (const auto& [page, key] : chosen) {
    if (!groups.isEmpty() && groups.last().key == key) {
      groups.last().lastPage = page;
      ++groups.last().votes;
    } else {
      groups.append(Group{key, page, page, 1});
    }
  }
  return groups;
}

// Drops a group that stands inside a longer stretch of one other key (a head
// line that happened to agree with itself twice) and merges what it split.
void DropInterlopers(QList<Group>& groups) {
  bool changed = true;
  while (changed) {
    changed = false;
    for (qsizetype i = 0; i < groups.size(); ++i) {
      const bool alone = groups[i].votes < 2;
      const bool enclosed = i > 0 && i + 1 < groups.size() && groups[i - 1].key == groups[i + 1].key &&
                            groups[i].votes < groups[i - 1].votes + groups[i + 1].votes;
      if (!alone && !enclosed) continue;
      groups.removeAt(i);
      if (i > 0 && i < groups.size() && groups[i - 1].key == groups[i].key) {
        groups[i - 1].lastPage = groups[i].lastPage;
        groups[i - 1].votes += groups[i].votes;
        groups.removeAt(i);
      }
      changed = true;
      break;
    }
  }
}

}  // namespace

FolioMap FolioMap::Build(const QList<PageFolios>& pagesIn, int pageCount, int window) {
  QList<PageFolios> pages = pagesIn;
  std::stable_sort(pages.begin(), pages.end(), [](const PageFolios& a, const PageFolios& b) { return a.page < b.page; });
  FolioMap map;
  map.pageCount_ = std::max(pageCount, pages.isEmpty() ? 0 : pages.last().page);

  QList<Group> groups = GroupKeys(ChooseKeys(pages, window));
  DropInterlopers(groups);
  for (const Group& group : groups) {
    map.runs_.append(FolioRun{group.firstPage, group.lastPage, group.key.offset, group.key.roman});
  }
  if (map.runs_.isEmpty()) return map;

  // Pages before the first folio carry the numbers before it, down to 1.
  FolioRun& first = map.runs_.first();
  first.firstPage = std::min(first.firstPage, std::max(1, first.offset + 1));
  // A gap before a run belongs to it as far as its numbers continue those of
  // the run before (the unread chapter opening after a plate); the pages left
  // over are pages without a folio.
  for (qsizetype i = 1; i < map.runs_.size(); ++i) {
    const FolioRun& before = map.runs_[i - 1];
    FolioRun& run = map.runs_[i];
    const int firstNumber = before.roman == run.roman ? before.LastPrinted() + 1 : 1;
    const int earliest = std::max(before.lastPage + 1, firstNumber + run.offset);
    run.firstPage = std::min(run.firstPage, earliest);
  }
  // Pages after the last folio continue its numbering.
  map.runs_.last().lastPage = map.pageCount_;
  return map;
}

std::optional<int> FolioMap::PageOf(int printed, bool roman) const {
  const FolioRun* best = nullptr;
  for (const FolioRun& run : runs_) {
    if (run.roman != roman || printed < run.FirstPrinted() || printed > run.LastPrinted()) continue;
    if (!best || run.lastPage - run.firstPage > best->lastPage - best->firstPage) best = &run;
  }
  if (!best) return std::nullopt;
  return printed + best->offset;
}

std::optional<Folio> FolioMap::PrintedOn(int page) const {
  for (const FolioRun& run : runs_) {
    if (page >= run.firstPage && page <= run.lastPage) return Folio{page - run.offset, run.roman};
  }
  return std::nullopt;
}

std::optional<int> FolioMap::MainOffset(int afterPage) const {
  for (const int from : {afterPage, 0}) {
    std::optional<int> offset;
    int longest = 0;
    for (const FolioRun& run : runs_) {
      const int length = run.lastPage - std::max(run.firstPage - 1, from);
      if (!run.roman && length > longest) {
        longest = length;
        offset = run.offset;
      }
    }
    if (offset) return offset;
  }
  return std::nullopt;
}

std::optional<int> FolioMap::FirstOffsetAfter(int afterPage) const {
  for (const FolioRun& run : runs_) {
    if (!run.roman && run.firstPage > afterPage) return run.offset;
  }
  return MainOffset();
}

QList<int> FolioMap::ArabicOffsets() const {
  QList<int> offsets;
  for (const FolioRun& run : runs_) {
    if (!run.roman && !offsets.contains(run.offset)) offsets.append(run.offset);
  }
  return offsets;
}

QString OffsetText(int offset) {
  return offset > 0 ? QStringLiteral("+%1").arg(offset) : QString::number(offset);
}

QStringList FolioMap::Describe() const {
  QStringList lines;
  const auto noFolio = [&](int from, int to) {
    if (from <= to) lines << QCoreApplication::translate("FolioMap", "стр. %1-%2: без номера").arg(from).arg(to);
  };
  int next = 1;
  for (const FolioRun& run : runs_) {
    noFolio(next, run.firstPage - 1);
    if (run.roman) {
      lines << QCoreApplication::translate("FolioMap", "стр. %1-%2: номера %3-%4 (римские)")
                   .arg(run.firstPage)
                   .arg(run.lastPage)
                   .arg(RomanNumeral(run.FirstPrinted()), RomanNumeral(run.LastPrinted()));
    } else {
      lines << QCoreApplication::translate("FolioMap", "стр. %1-%2: номера %3-%4, смещение %5")
                   .arg(run.firstPage)
                   .arg(run.lastPage)
                   .arg(run.FirstPrinted())
                   .arg(run.LastPrinted())
                   .arg(OffsetText(run.offset));
    }
    next = run.lastPage + 1;
  }
  noFolio(next, pageCount_);
  return lines;
}
