#include "create/annotation_merge.h"

#include <algorithm>

#include "djvused/script_dialect.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

}  // namespace

bool Overlaps(const PageRect& a, const PageRect& b) {
  return a.left < b.left + b.Width() && b.left < a.left + a.Width() && a.bottom < b.bottom + b.Height() &&
         b.bottom < a.bottom + a.Height();
}

std::optional<QByteArray> MergeAnnotations(QByteArrayView oldText, const QList<PageRect>& newAreas,
                                           QByteArrayView newLinks) {
  QByteArray kept;
  qsizetype copied = 0;
  for (const AnnotationRecord& record : ReadAnnotationPieces(oldText)) {
    const bool replaced = record.maparea && record.url.startsWith('#') && record.box &&
                          std::any_of(newAreas.begin(), newAreas.end(),
                                      [&](const PageRect& area) { return Overlaps(area, *record.box); });
    if (!replaced) continue;
    kept += oldText.sliced(copied, record.begin - copied);
    copied = record.end;
  }
  kept += oldText.sliced(copied);
  // Blanks left where records were taken out, and at either end, go.
  while (!kept.isEmpty() && IsBlank(kept.back())) kept.chop(1);
  qsizetype lead = 0;
  while (lead < kept.size() && IsBlank(kept[lead])) ++lead;
  kept.remove(0, lead);
  if (kept.isEmpty()) return AsSetAntData(newLinks);
  // djvused skips the ";" and "#" lines that begin set-ant data: a kept
  // stretch that begins so follows the new links.
  if (kept.startsWith(';') || kept.startsWith('#')) {
    return AsSetAntData(newLinks.toByteArray() + dialect::LineBreak() + kept);
  }
  return AsSetAntData(kept + dialect::LineBreak() + newLinks.toByteArray());
}
