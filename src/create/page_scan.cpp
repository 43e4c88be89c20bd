#include "create/page_scan.h"

#include "folios/folio_targets.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdlib>

#include "core/job_log.h"
#include "core/run_options.h"
#include "djvused/script_dialect.h"
#include "djvused/selection_line.h"

PageScan::PageScan(const TextDumpLines& dump, TextPageRange range, ScanSettings settings, LinkWriter& writer,
                   FrontEnd& frontEnd)
    : dump_(dump), range_(range), settings_(settings), writer_(writer), frontEnd_(frontEnd) {}

void PageScan::Run() {
  for (qsizetype i = 0; i < dump_.size(); ++i) {
    const QByteArrayView raw = dump_.at(i);
    if (const std::optional<dialect::Selection> selection = dialect::ReadSelection(raw)) {
      bool numbered = false;
      const int number = selection->name.toInt(&numbered);
      page_ = numbered ? number : ordinal_ + 1;
      writer_.PageSelection(ordinal_);
      prevLineTop_ = rememberedTop_ = 0;
      ++ordinal_;
      continue;
    }
    QByteArray edited;
    QByteArrayView line = raw;
    if (raw.contains("\\t")) {
      edited = ApplyTabRule(raw, &wordCount_);
      line = edited;
    }
    if (!range_.Contains(ordinal_)) continue;
    if (IsLineRecord(line)) {
      wordCount_ = 0;
      box_ = ReadLineRecord(line);
      prevLineTop_ = rememberedTop_;
      rememberedTop_ = box_.top;
      QCoreApplication::processEvents();
    }
    if (!IsWordRecord(line)) continue;
    if (settings_.workType == WorkType::Index2) {
      wordCount_ = 0;
      box_ = ReadWordRecord(line);
      QCoreApplication::processEvents();
    }
    ++wordCount_;
    Word(i, line);
  }
}

void PageScan::Word(qsizetype index, QByteArrayView view) {
  QByteArray line = view.toByteArray();
  // A bullet reads as the previous entry's number.
  if (line.contains(kBulletBytes)) line = "word\"" + dialect::NumberText(previous_) + '"';
  if (settings_.workType == WorkType::Index2) {
    WordEntry(line);
  } else {
    LineEntry(index, line);
  }
}

void PageScan::LineEntry(qsizetype index, const QByteArray& line) {
  if (line.contains('\\')) return;  // escaped (non-ASCII) characters: never a page number
  const std::optional<QByteArray> digits = CleanDigits(WordText(line));
  if (!digits || digits->isEmpty()) return;
  const std::optional<int> number = DigitsNumber(*digits);
  if (!number) return Oversized();
  current_ = *number;
  const bool contents = settings_.workType == WorkType::Contents;
  if (contents && previous_ > current_ && RunOptions(frontEnd_).AskWhenUnclear()) {
    const int read = current_;
    current_ = frontEnd_.AskPageNumber(previous_, current_, {settings_.file, page_, LineText(index)});
    report_.Answered(page_, read, current_);
  }
  if (current_ == 0) return;
  if (contents && (wordCount_ <= 1 || (previous_ > current_ && ordinal_ == lastLinkPage_))) return;
  if (index + 1 < dump_.size() && IsWordRecord(dump_.at(index + 1))) return;  // not the line's last word

  const std::optional<qint64> target = Target(current_);
  if (!target) return;  // no link, and no entry that later ones compare with
  int left = box_.left;
  const std::optional<PageRect> area = EntryArea(box_, prevLineTop_, writer_.Page(), true, &left);
  if (area) writer_.WriteEntry(*target, *area, Folio{current_, false}, LinkedEntry{{}, box_, 0});
  Record(left);
}

void PageScan::WordEntry(const QByteArray& line) {
  if (line.contains("\"\\")) return;  // the word begins with an escaped character
  const QByteArray text = WordText(line);
  WordNumbers found;
  if (text.contains('\\')) {
    found.single = DigitsAfterLastEscape(text);
  } else {
    found = SplitWordNumbers(text);
  }
  for (int i = 0; i < found.oversized; ++i) Oversized();
  if (found.numbers.isEmpty()) {
    if (found.single.isEmpty()) return;
    const std::optional<int> number = DigitsNumber(found.single);
    if (!number) return Oversized();
    current_ = *number;
    if (current_ == 0) return;
  }

  const qint64 height = std::llabs(qint64(box_.top) - box_.bottom);
  const qint64 width = qint64(box_.right) - box_.left;
  if (found.numbers.isEmpty()) {
    const std::optional<qint64> target = Target(current_);
    if (!target) return;
    writer_.WriteArea(*target, PageRect::Sized(box_.left, box_.bottom, width, height), Folio{current_, false});
  } else {
    // One area per number, side by side over the word; rint rounds half to even.
    // A number leading outside the document leaves its place empty.
    const double k = double(found.numbers.size());
    bool any = false;
    for (qsizetype j = 0; j < found.numbers.size(); ++j) {
      const PageRect area = PageRect::Sized(box_.left + qint64(std::rint(double(width) * double(j) / k)), box_.bottom,
                                            qint64(std::rint(double(width) / k)), height);
      const std::optional<qint64> target = Target(found.numbers[j]);
      if (!target) continue;
      writer_.WriteArea(*target, area, Folio{found.numbers[j], false});
      any = true;
    }
    if (!any) return;
    // A bullet after such a word repeats its last number.
    current_ = found.numbers.last();
  }
  Record(box_.left);
}

QString PageScan::LineText(qsizetype index) const {
  // The line's word records (and their character records) are the records
  // next to this one, up to the first record of another kind on either side.
  const auto inLine = [this](qsizetype i) {
    const QByteArrayView line = dump_.at(i);
    return IsWordRecord(line) || line.contains("(char ");
  };
  qsizetype first = index;
  while (first > 0 && inLine(first - 1)) --first;
  QStringList words;
  for (qsizetype i = first; i < dump_.size() && (i == index || inLine(i)); ++i) {
    const QByteArrayView line = dump_.at(i);
    if (IsWordRecord(line) && line.contains('"')) words << QString::fromUtf8(dialect::Unescape(WordText(line)));
  }
  return words.join(QLatin1Char(' '));
}

void PageScan::Oversized() {
  ++report_.oversized;
  if (report_.oversizedPages.isEmpty() || report_.oversizedPages.last() != page_) report_.oversizedPages << page_;
}

std::optional<qint64> PageScan::Target(int printed) {
  qint64 target = TargetPage(printed, settings_.offset, settings_.halve);
  if (settings_.folios) {
    const std::optional<qint64> placed =
        settings_.folios->Target(settings_.halve ? printed / 2 : printed, false, target, !settings_.halve);
    if (!placed) return std::nullopt;  // counted by the folios
    target = *placed;
  }
  if (settings_.pageCount <= 0 || (target >= 1 && target <= settings_.pageCount)) return target;
  if (++report_.outside <= ScanReport::kShownNumbers) report_.outsidePrinted << printed;
  return std::nullopt;
}

QStringList ScanReport::Lines() const {
  QStringList lines;
  if (oversized > 0) lines << joblog::SkippedLongNumbers(oversized, oversizedPages);
  if (outside > 0) lines << joblog::TargetsOutside(outside, outsidePrinted);
  if (!changed.isEmpty()) lines << joblog::ChangedNumbers(changed);
  return lines;
}

void PageScan::Record(int left) {
  previous_ = current_;
  current_ = 0;
  lastLinkPage_ = ordinal_;
  PageLinkState& page = writer_.Page();
  page.lastTop = box_.top;
  page.lastLeft = left;
  page.lastRight = box_.right;
}
