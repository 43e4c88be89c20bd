#include "create/target_check.h"

#include <QCoreApplication>
#include <future>
#include <map>

#include "core/errors.h"
#include "core/job_log.h"
#include "create/shape_readings.h"
#include "djvused/script_dialect.h"
#include "ocr/number_image.h"
#include "targets/number_check.h"

namespace {

// Examples a log line gives.
constexpr int kExamples = 3;

// The text of the pages a check looks at, each page's words folded once,
// when first asked for.
class PageTexts {
 public:
  explicit PageTexts(const QHash<int, targets::PageText>* known) : known_(known) {}
  void Add(const PageData& page) { data_.insert_or_assign(page.number, page.text); }
  bool Has(int page) const { return known_ || data_.count(page) != 0; }

  const targets::PageText* Of(int page) {
    if (known_ && data_.count(page) == 0) {
      const auto folded = known_->find(page);
      return folded != known_->end() ? &*folded : nullptr;
    }
    const auto known = texts_.find(page);
    if (known != texts_.end()) return known->second ? &*known->second : nullptr;
    std::optional<targets::PageText>& text = texts_[page];
    const auto data = data_.find(page);
    if (data != data_.end() && !data->second.isEmpty()) text.emplace(ParseTextLayer(data->second));
    return text ? &*text : nullptr;
  }

  // Reads the pages of the document (1..pageCount) not known yet with one
  // djvused call.
  void Read(DjvusedRunner& runner, const QString& path, const QList<int>& pages, int pageCount) {
    QList<int> missing;
    for (const int page : pages) {
      if (page >= 1 && page <= pageCount && !Has(page) && !missing.contains(page)) missing << page;
    }
    if (missing.isEmpty()) return;
    runner.RunPagesDump(path, PagesCommands(missing));
    for (const PageData& page :
         ReadPagesOutput(dialect::ReadWholeFile(runner.TempPath(DjvusedRunner::kDumpFile)), missing)) {
      Add(page);
    }
  }

 private:
  const QHash<int, targets::PageText>* known_;
  std::map<int, QByteArray> data_;
  std::map<int, std::optional<targets::PageText>> texts_;  // a node map: the pointers handed out stay valid
};

QString EntryText(const ContentsEntry& e) {
  return QStringLiteral("«%1, %2»").arg(e.title.simplified(), PrintedText(e.printed));
}

QString Examples(const QStringList& examples) {
  QString text = examples.mid(0, kExamples).join(QStringLiteral("; "));
  if (examples.size() > kExamples) text += QStringLiteral("; …");
  return text;
}

}  // namespace

QStringList CheckEntryTargets(QList<PageEntries>& pages, DjvusedRunner& runner, const TargetCheckInput& input) {
  QList<targets::NumberEntry> entries;
  for (const PageEntries& page : pages) {
    for (const ContentsEntry& e : page.entries) entries << targets::NumberEntry{e, page.index, page.list};
  }
  if (entries.isEmpty()) return {};
  const TargetOf target = [&input](int printed, bool roman) { return input.links->TriedTarget(printed, roman); };
  PageTexts texts(input.known);
  for (const PageData& page : input.read) texts.Add(page);
  const targets::PageTextOf textOf = [&texts](int page) { return texts.Of(page); };
  // The targets first: most pages hold their entries' words, and only the
  // entries whose page does not need the pages beside it and those of the
  // numbers they may have been misread from (a second djvused call).
  // Entries whose words do not tell them from another of their list are not
  // checked, and their pages not read.
  const QSet<qsizetype> unidentified = targets::Unidentified(entries);
  QList<int> targetPages;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!unidentified.contains(i)) targetPages << entries[i].entry.target;
  }
  texts.Read(runner, input.path, targetPages, input.pageCount);
  QList<targets::NumberEntry> unconfirmed;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!unidentified.contains(i) && !targets::TargetHolds(entries[i], textOf)) unconfirmed << entries[i];
  }
  texts.Read(runner, input.path, targets::PagesToRead(unconfirmed, target), input.pageCount);
  QList<targets::CheckedNumber> checked = targets::CheckNumbers(entries, target, textOf);

  // The index pages whose text shows misreadings: their numbers read again
  // by the book's own digit shapes, and those that surely show another
  // number checked as that number.
  QStringList lines;
  QHash<qsizetype, int> shapes;
  if (const QSet<int> misread = PagesShowingMisreadings(entries, checked); !misread.isEmpty()) {
    try {
      shapes = ShapeReadings(entries, checked, misread, input.path, runner.WorkFolder());
      lines << QCoreApplication::translate("CreateRun", "Номера сверены с начертанием цифр книги (стр. %1): "
                                                        "прочитаны иначе, чем в тексте: %2")
                   .arg(joblog::PageRuns(misread.values()))
                   .arg(shapes.size());
    } catch (const InputError& error) {
      // The check stands without the readings not made.
      lines << QCoreApplication::translate("CreateRun", "Внимание: номера не перечитаны с изображения: %1")
                   .arg(error.Message());
    }
    if (!shapes.isEmpty()) {
      QList<int> pagesOfShapes;
      for (const int number : std::as_const(shapes)) {
        if (const std::optional<int> page = target(number, false)) pagesOfShapes << *page - 1 << *page << *page + 1;
      }
      texts.Read(runner, input.path, pagesOfShapes, input.pageCount);
      checked = targets::CheckNumbers(entries, target, textOf, {}, shapes);
    }
  }

  // The doubtful and the corrected numbers read again from the page image:
  // the picture shows what is printed. A number nothing speaks against is
  // not read: a typeset book has many terms off their page.
  QHash<qsizetype, int> readings;
  QList<qsizetype> doubtful;
  for (qsizetype i = 0; i < checked.size(); ++i) {
    const targets::Verdict v = checked[i].verdict;
    if ((v == targets::Verdict::Doubtful || v == targets::Verdict::Corrected) && !entries[i].entry.printed.roman &&
        !shapes.contains(i)) {
      doubtful << i;
    }
  }
  if (!doubtful.isEmpty()) {
    const QString tesseract = ocr::FindTesseract();
    if (tesseract.isEmpty()) {
      lines << QCoreApplication::translate("CreateRun", "Программа tesseract не найдена: сомнительные номера "
                                                        "не перечитаны с изображения страниц");
    } else {
      QList<int> pagesOfReadings;
      const auto readAgain = [&](qsizetype i) {
        const ContentsEntry& e = entries[i].entry;
        return ocr::ReadNumberBox(tesseract, input.path, e.page, NumberBox(e, entries[i].index), runner.WorkFolder());
      };
      const auto take = [&](qsizetype i, const std::optional<int>& reading) {
        if (!reading) return;
        readings.insert(i, *reading);
        if (const std::optional<int> page = target(*reading, false)) pagesOfReadings << *page;
      };
      try {
        // Two numbers at a time: each is a ddjvu and a Tesseract process of
        // one thread, and the machine has two cores or more.
        for (qsizetype k = 0; k < doubtful.size(); k += 2) {
          std::future<std::optional<int>> other;
          if (k + 1 < doubtful.size()) other = std::async(std::launch::async, readAgain, doubtful[k + 1]);
          std::optional<int> reading;
          try {
            reading = readAgain(doubtful[k]);
          } catch (...) {
            if (other.valid()) other.wait();
            throw;
          }
          take(doubtful[k], reading);
          if (other.valid()) take(doubtful[k + 1], other.get());
        }
      } catch (const InputError& error) {
        // The check stands without the readings not made.
        lines << QCoreApplication::translate("CreateRun", "Внимание: номера не перечитаны с изображения: %1")
                     .arg(error.Message());
      }
      texts.Read(runner, input.path, pagesOfReadings, input.pageCount);
      checked = targets::CheckNumbers(entries, target, textOf, readings, shapes);
      int fixed = 0, confirmed = 0;
      for (const qsizetype i : doubtful) {
        fixed += checked[i].verdict == targets::Verdict::Reread ? 1 : 0;
        confirmed += checked[i].verdict == targets::Verdict::Unconfirmed ? 1 : 0;
      }
      lines << QCoreApplication::translate("CreateRun", "Перечитаны с изображения страниц сомнительные номера: %1, "
                                                        "из них исправлено: %2, подтверждено: %3")
                   .arg(doubtful.size())
                   .arg(fixed)
                   .arg(confirmed);
    }
  }

  // The entries corrected or dropped.
  QList<joblog::ChangedNumber> corrected;
  QStringList dropped;
  qsizetype i = 0;
  for (PageEntries& page : pages) {
    QList<ContentsEntry> kept;
    for (ContentsEntry e : page.entries) {
      const targets::CheckedNumber& c = checked[i++];
      if (c.verdict == targets::Verdict::Doubtful) {
        dropped << QCoreApplication::translate("CreateRun", "стр. %1: %2").arg(e.page).arg(EntryText(e));
        continue;
      }
      if (c.verdict == targets::Verdict::Corrected || c.verdict == targets::Verdict::Reread) {
        corrected << joblog::ChangedNumber{e.page, e.printed.number, c.printed.number};
        e.printed = c.printed;
        e.target = c.target;
      }
      kept << e;
    }
    page.entries = kept;
  }
  if (!corrected.isEmpty()) {
    lines << QCoreApplication::translate("CreateRun", "Исправлены номера по тексту страниц: %1 (%2)")
                 .arg(corrected.size())
                 .arg(joblog::ChangeList(corrected));
  }
  if (!dropped.isEmpty()) {
    lines << QCoreApplication::translate("CreateRun", "Сомнительные номера, ссылки не созданы: %1 (%2)")
                 .arg(dropped.size())
                 .arg(Examples(dropped));
  }
  return lines;
}
