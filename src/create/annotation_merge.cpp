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

namespace {

// An old internal link whose area the new links cover (or repeat, when it is empty).
bool Replaced(const AnnotationRecord& record, const QList<PageRect>& newAreas) {
  return record.maparea && record.url.startsWith('#') && record.box &&
         std::any_of(newAreas.begin(), newAreas.end(), [&](const PageRect& area) {
           return area == *record.box || Overlaps(area, *record.box);
         });
}

// The text without the blanks at either end.
QByteArray Trimmed(QByteArray text) {
  while (!text.isEmpty() && IsBlank(text.back())) text.chop(1);
  qsizetype lead = 0;
  while (lead < text.size() && IsBlank(text[lead])) ++lead;
  return text.mid(lead);
}

}  // namespace

std::optional<QByteArray> MergeAnnotations(QByteArrayView oldText, const QList<PageRect>& newAreas,
                                           QByteArrayView newLinks) {
  // A list that never closes takes in everything after it, for this reader
  // and for a viewer alike: the new links go before it, or they would be
  // read as part of it and stay beside the next run's copies.
  QByteArray kept;
  QByteArray unclosed;
  qsizetype copied = 0;
  for (const AnnotationRecord& record : ReadAnnotationPieces(oldText)) {
    if (!record.readable && record.end == oldText.size() && oldText[record.begin] == '(') {
      kept += oldText.sliced(copied, record.begin - copied);
      unclosed = Trimmed(oldText.sliced(record.begin).toByteArray());
      copied = oldText.size();
      break;
    }
    if (!Replaced(record, newAreas)) continue;
    kept += oldText.sliced(copied, record.begin - copied);
    copied = record.end;
  }
  kept += oldText.sliced(copied);
  // Blanks left where records were taken out, and at either end, go.
  kept = Trimmed(kept);
  QByteArray data = newLinks.toByteArray();
  // djvused skips the ";" and "#" lines that begin set-ant data: a kept
  // stretch that begins so follows the new links.
  if (kept.startsWith(';') || kept.startsWith('#')) {
    data += dialect::LineBreak() + kept;
  } else if (!kept.isEmpty()) {
    data = kept + dialect::LineBreak() + data;
  }
  if (!unclosed.isEmpty()) data += dialect::LineBreak() + unclosed;
  return AsSetAntData(data);
}
