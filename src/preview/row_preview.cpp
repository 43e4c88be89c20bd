#include "preview/row_preview.h"

#include <QCoreApplication>
#include <algorithm>
#include <QFileInfo>

#include "align/alignment_passes.h"
#include "core/errors.h"
#include "core/headless_front_end.h"
#include "create/annotation_merge.h"
#include "create/row_plan.h"
#include "create/row_columns.h"
#include "djvused/book_pages.h"
#include "djvused/book_session.h"
#include "djvused/component_list.h"
#include "djvused/djvused_runner.h"
#include "djvused/script_dialect.h"
#include "page/printed_lines.h"
#include "page/text_layer.h"
#include "djvused/djvu_book.h"

namespace {

QString ColorName(const std::optional<ColorValue>& color) {
  return QLatin1Char('#') + (color ? ColorToHexRgb(*color) : QString());
}

PreviewStyle RowStyle(const LinkLook& look) {
  PreviewStyle style;
  style.oval = look.shape == 1;
  // A plain border shows in the row's colour; the other borders and "none"
  // are drawn in the preview's own colour (border left empty).
  if (look.borderType == 2) style.border = ColorName(look.borderColor);
  if (look.highlight) style.highlight = ColorName(look.highlightColor);
  return style;
}

// Gives each of the areas the words under it in the hidden text of `page`
// (none when the page has no text layer). A text layer that does not
// read is said in the log, not passed over.
void TextOfAreas(QList<PreviewArea>& areas, const PageData& page, QStringList& log) {
  if (page.text.isEmpty() || areas.isEmpty()) return;
  QList<PrintedLine> lines;
  try {
    lines = PrintedLines(ParseTextLayer(page.text));
  } catch (const InputError& e) {
    log << QCoreApplication::translate("RowPreview", "Скрытый текст стр. %1 не прочитан: %2").arg(page.number).arg(e.Message());
    return;
  }
  for (PreviewArea& area : areas) area.text = TextUnder(lines, area.area);
}

}  // namespace

QList<PreviewArea> AnnotationAreas(QByteArrayView annotations, AreaKind kind, const PageTargets& targets, int page) {
  QList<PreviewArea> areas;
  for (const AnnotationRecord& record : ReadAnnotationPieces(annotations)) {
    if (!record.maparea || !record.box) continue;  // a stretch djvused stored unchecked is no area
    PreviewArea area;
    area.kind = kind;
    area.area = *record.box;
    area.oval = record.shape == "oval";
    area.url = QString::fromUtf8(record.url);
    const PageTargets::Opened opened = targets.Open(record.url, page);
    area.opened = opened.page;
    area.ambiguous = opened.ambiguous;
    areas << area;
  }
  return areas;
}

RowPreview PreviewCreateRow(DjvusedRunner& runner, const CreateJob& row, bool outline, ExistingOutline existing) {
  const CreateSettings& settings = row.settings;
  const QString longPath = row.FullPath();
  BookSession::RequireBook(longPath, QCoreApplication::translate("CreateRun", "Файл не найден: %1").arg(longPath));
  const BookSession session(longPath, runner, false);  // locked while it is read; a read-only book is fine
  if (!runner.DjvusedPresent()) throw InputError(DjvusedRunner::MissingMessage());
  HeadlessFrontEnd frontEnd;  // takes the reading lines; the page-number question is not asked
  const RowPlan record = PlanRow(frontEnd, runner, DjvusedRunner::ShortPathOf(longPath), settings,
                                 PlanOptions{false, outline, existing, true});
  runner.DropTempFile(DjvusedRunner::kDumpFile);
  runner.DropTempFile(DjvusedRunner::kPageListFile);

  RowPreview preview;
  preview.path = row.FullPath();
  preview.entries = record.links;
  preview.outline = record.outline;
  preview.style = RowStyle(row.settings.look);
  for (const QString& note : session.Notes() + record.notes) frontEnd.LogAddLine(note);
  preview.log = frontEnd.Log().Text().split(LogText::kLineBreak, Qt::SkipEmptyParts);
  preview.targets = record.targets;
  for (const PageData& data : record.pages) {
    PreviewPage page{data.number, QSize(data.width, data.height), {}, PartName(record.parts, data.number)};
    QList<PreviewArea> present = AnnotationAreas(data.annotations, AreaKind::InDocument, record.targets, data.number);
    TextOfAreas(present, data, preview.log);
    QList<bool> shown(present.size(), false);
    for (int i = 0; i < preview.entries.size(); ++i) {
      const ListedLink& link = preview.entries[i];
      if (link.page != data.number) continue;
      PreviewArea area{AreaKind::New, link.area, preview.style.oval, QString::fromUtf8(link.url), link.opened, false, i,
                       false, link.text};
      // An old link to the same page, in whatever form it names it, is the same link.
      for (int j = 0; j < present.size(); ++j) {
        if (!shown[j] && present[j].opened == area.opened && !present[j].ambiguous && present[j].area == area.area) {
          area.inDocument = shown[j] = true;
        }
      }
      page.areas << area;
    }
    for (int j = 0; j < present.size(); ++j) {
      if (!shown[j]) page.areas << present[j];
    }
    preview.pages << page;
  }
  return preview;
}

RowPreview PreviewFixRow(DjvusedRunner& runner, const QString& longPath) {
  BookSession::RequireBook(longPath, QCoreApplication::translate("RowPreview", "Файл %1 не найден").arg(longPath));
  if (!runner.DjvusedPresent()) throw InputError(DjvusedRunner::MissingMessage());
  const QString path = DjvusedRunner::ShortPathOf(longPath);
  // The fix job's own passes over the annotation dump; the script they
  // write is read here and never applied.
  const PageTargets targets(djvubook::Components(runner, path));
  runner.RunDump(path, DumpUse::Annotations);
  const QString dump = runner.TempPath(DjvusedRunner::kDumpFile);
  const QByteArray before = dialect::ReadWholeFile(dump);
  std::optional<align::PageTable> table = align::MeasurePages(dump);
  if (!table) throw InputError(QCoreApplication::translate("RowPreview", "Аннотации документа %1 не распознаны").arg(longPath));
  align::RewritePages(dump, runner.TempPath(DjvusedRunner::kScriptFile), *table);
  const QByteArray after = dialect::ReadWholeFile(dump);
  runner.DropTempFile(DjvusedRunner::kDumpFile);
  runner.DropTempFile(DjvusedRunner::kScriptFile);

  RowPreview preview;
  preview.path = longPath;
  preview.targets = targets;
  QList<int> numbers;
  const QList<PageData> beforePages = SplitTextDump(before, dialect::kSetAnt);
  const QList<PageData> afterPages = SplitTextDump(after, dialect::kSetAnt);
  for (const PageData& page : beforePages) {
    QList<PreviewArea> areas = AnnotationAreas(page.annotations, AreaKind::BeforeAlignment, targets, page.number);
    if (areas.isEmpty() || page.number < 1) continue;
    for (const PageData& aligned : afterPages) {
      if (aligned.number == page.number) {
        areas << AnnotationAreas(aligned.annotations, AreaKind::AfterAlignment, targets, page.number);
      }
    }
    preview.pages << PreviewPage{page.number, QSize(), areas, {}};
    numbers << page.number;
  }
  if (numbers.isEmpty()) return preview;
  // The pages' sizes and hidden text, with one djvused call.
  const QList<PageData> read = djvubook::Pages(runner, path, numbers);
  for (int i = 0; i < preview.pages.size(); ++i) {
    preview.pages[i].size = QSize(read[i].width, read[i].height);
    TextOfAreas(preview.pages[i].areas, read[i], preview.log);
  }
  return preview;
}

QString PartName(const QList<BookPart>& parts, int page) {
  const auto holds = [page](const BookPart& part) { return part.firstPage <= page && page <= part.lastPage; };
  const auto found = std::find_if(parts.cbegin(), parts.cend(), holds);
  if (found == parts.cend()) return {};
  QString name;
  switch (found->kind) {
    case PartKind::Contents: name = QCoreApplication::translate("RowPreview", "Содержание"); break;
    case PartKind::Figures: name = QCoreApplication::translate("RowPreview", "Список иллюстраций"); break;
    case PartKind::Tables: name = QCoreApplication::translate("RowPreview", "Список таблиц"); break;
    case PartKind::Index: name = QCoreApplication::translate("RowPreview", "Указатель"); break;
  }
  int number = 0, count = 0;
  for (auto part = parts.cbegin(); part != parts.cend(); ++part) {
    if (part->kind != found->kind) continue;
    ++count;
    if (part <= found) ++number;
  }
  if (count > 1) name = QCoreApplication::translate("RowPreview", "%1 %2 из %3").arg(name).arg(number).arg(count);
  if (found->main && count > 1) name += QCoreApplication::translate("RowPreview", " (основное)");
  return name;
}

QString TargetText(const PreviewArea& area) {
  if (!area.url.startsWith(QLatin1Char('#'))) return area.url;
  if (area.opened == 0) {
    return QCoreApplication::translate("RowPreview", "«%1»: такой страницы нет").arg(area.url);
  }
  QString text = QString::number(area.opened);
  // "#8" and "#$8" say page 8; a title or an id says no number.
  const QStringView named = QStringView(area.url).mid(area.url.startsWith(QLatin1String("#$")) ? 2 : 1);
  bool number = false;
  const int said = named.toInt(&number);
  if (number && said != area.opened && !named.startsWith(QLatin1Char('+')) && !named.startsWith(QLatin1Char('-'))) {
    text += QCoreApplication::translate("RowPreview", " («%1» ведёт не на стр. %2)").arg(area.url).arg(said);
  }
  if (area.ambiguous) text += QCoreApplication::translate("RowPreview", " (в разных программах просмотра по-разному)");
  return text;
}

QRectF AreaOnPicture(const PageRect& area, QSize pageSize, QSizeF pictureSize) {
  if (pageSize.isEmpty()) return {};
  const qreal sx = pictureSize.width() / pageSize.width(), sy = pictureSize.height() / pageSize.height();
  const qreal top = pageSize.height() - qreal(area.bottom + area.Height());
  return QRectF(area.left * sx, top * sy, area.Width() * sx, area.Height() * sy);
}
