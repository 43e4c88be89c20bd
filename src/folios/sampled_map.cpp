#include "folios/sampled_map.h"

#include <QSet>
#include <algorithm>

namespace {

constexpr int kStride = 16;
constexpr int kMaxRounds = 6;

}  // namespace

SampledFolioMap SampleFolioMap(int pageCount, const PageTextReader& read) {
  QSet<int> asked;
  QList<PageFolios> folios;
  const auto readPages = [&](QList<int> pages) {
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    pages.erase(std::remove_if(pages.begin(), pages.end(),
                               [&](int page) { return page < 1 || page > pageCount || asked.contains(page); }),
                pages.end());
    if (pages.isEmpty()) return false;
    for (int page : pages) asked.insert(page);
    for (const PageData& page : read(pages)) {
      if (page.number >= 1 && !page.text.isEmpty()) {
        folios.append(PageFolios{page.number, ReadFolioCandidates(page.text)});
      }
    }
    return true;
  };

  // A short book is read whole: a sample of two or three pages may hold
  // only one folio, too few to show a run.
  const int stride = pageCount <= 3 * kStride ? 1 : kStride;
  QList<int> sample;
  for (int page = 1; page <= pageCount; page += stride) sample << page;
  sample << pageCount;
  readPages(sample);
  FolioMap map = FolioMap::Build(folios, pageCount, 3 * kStride);
  for (int round = 0; round < kMaxRounds; ++round) {
    // Every page near the end of one run and the start of the next.
    QList<int> around;
    const QList<FolioRun>& runs = map.Runs();
    for (qsizetype i = 1; i < runs.size(); ++i) {
      for (int page = runs[i - 1].lastPage - kStride; page <= runs[i].firstPage + kStride; ++page) around << page;
    }
    // The front matter is often shorter than the stride: every page before
    // the first run and a stride into it.
    if (!runs.isEmpty()) {
      for (int page = 1; page <= runs.first().firstPage + kStride; ++page) around << page;
    }
    if (!readPages(around)) break;
    map = FolioMap::Build(folios, pageCount, 3 * kStride);
  }
  return {map, int(asked.size())};
}
