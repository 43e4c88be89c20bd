#include "create/kind_guard.h"

#include <QCoreApplication>

#include "core/job_log.h"
#include "parts/page_look.h"

namespace {

// Pages of the kind further apart than this are not bridged: a page between
// them is another kind of page, not one whose text the layer lost.
constexpr int kLargestGap = 2;

}  // namespace

KindGuard GuardPages(const QList<const PageData*>& pages, WorkType type, int pageCount) {
  const PageKind kind = type == WorkType::IndexAuto ? PageKind::Index : PageKind::Contents;
  QList<bool> alike;
  for (const PageData* page : pages) {
    alike << (LookOfPage(ParseTextLayer(page->text), page->number, pageCount).kind == kind);
  }
  KindGuard guard;
  if (!alike.contains(true)) {
    for (qsizetype i = 0; i < pages.size(); ++i) guard.linked << i;
    return guard;
  }
  int lastAlike = -1;  // the document page of the last page that looks like the kind
  for (qsizetype i = 0; i < pages.size(); ++i) {
    bool keep = alike[i];
    if (!keep && lastAlike > 0) {
      // Bridged when a page of the kind follows within the gap.
      for (qsizetype j = i + 1; j < pages.size() && pages[j]->number - lastAlike <= kLargestGap; ++j) {
        if (alike[j]) keep = true;
      }
    }
    if (alike[i]) lastAlike = pages[i]->number;
    if (keep) {
      guard.linked << i;
    } else {
      guard.skipped << pages[i]->number;
    }
  }
  return guard;
}

QString SkippedLine(WorkType type, const QList<int>& skipped) {
  if (skipped.isEmpty()) return {};
  const char* const text = type == WorkType::IndexAuto ? QT_TRANSLATE_NOOP("CreateRun", "Страницы не похожи на указатель, пропущены: %1")
                                                        : QT_TRANSLATE_NOOP("CreateRun", "Страницы не похожи на содержание, пропущены: %1");
  return QCoreApplication::translate("CreateRun", text).arg(joblog::PageRuns(skipped));
}
