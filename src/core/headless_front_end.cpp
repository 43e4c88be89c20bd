#include "core/headless_front_end.h"

#include <QCoreApplication>

#include "core/errors.h"

namespace {

// A row asked for that the list no longer has: the list changed under the job.
template <typename Row>
const Row& RowAt(const QList<Row>& rows, int index) {
  if (index < 0 || index >= rows.size()) {
    throw InputError(QCoreApplication::translate("HeadlessFrontEnd", "В списке нет строки %1").arg(index + 1));
  }
  return rows.at(index);
}

}  // namespace

void HeadlessFrontEnd::LogClear() { log_.LogClear(); LogChanged(); }
void HeadlessFrontEnd::LogAddLine(const QString& text) { log_.LogAddLine(text); LogChanged(); }
void HeadlessFrontEnd::LogAppend(const QString& text) { log_.LogAppend(text); LogChanged(); }
void HeadlessFrontEnd::LogShow() { ++logShows_; }
void HeadlessFrontEnd::ShowMessage(const QString& text) { messages_ << text; }
void HeadlessFrontEnd::ShowError(const QString& text) { errors_ << text; }
int HeadlessFrontEnd::AskPageNumber(int, int current, const PageQuestionContext&) { return current; }

bool HeadlessFrontEnd::IsChecked(Option option) const { return options_.value(int(option), false); }
void HeadlessFrontEnd::SetChecked(Option option, bool checked) { options_[int(option)] = checked; }

int HeadlessFrontEnd::CreateRowCount() const { return int(createRows_.size()); }
CreateJob HeadlessFrontEnd::CreateRow(int index) const { return RowAt(createRows_, index); }
void HeadlessFrontEnd::ClearCreateList() { createRows_.clear(); }
void HeadlessFrontEnd::AddCreateRow(const CreateJob& row) { createRows_ << row; }

int HeadlessFrontEnd::FixRowCount() const { return int(fixRows_.size()); }
FixJob HeadlessFrontEnd::FixRow(int index) const { return RowAt(fixRows_, index); }
void HeadlessFrontEnd::ClearFixList() { fixRows_.clear(); }
void HeadlessFrontEnd::AddFixRow(const FixJob& row) { fixRows_ << row; }

void HeadlessFrontEnd::CloseMainWindow() { closed_ = true; }
