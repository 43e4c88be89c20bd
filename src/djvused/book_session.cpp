#include "djvused/book_session.h"

#include <QFileInfo>

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "core/errors.h"
#include "djvused/book_files.h"

void BookSession::RequireDocumentFile(const QString& path) {
  std::error_code error;
  const auto status = std::filesystem::status(std::filesystem::path(path.toStdString()), error);
  if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    throw InputError(QCoreApplication::translate("BookSession", "%1 не является файлом документа").arg(path));
  }
}

void BookSession::RequireBook(const QString& path, const QString& notFound) {
  RequireDocumentFile(path);
  if (!QFileInfo(path).isFile()) throw InputError(notFound);
}

namespace {

// Checked before the lock is taken, so a refused book leaves nothing behind.
const QString& Checked(const QString& bookPath, bool writes) {
  BookSession::RequireDocumentFile(bookPath);
  if (writes) bookfiles::RequireWritable(bookPath);
  return bookPath;
}

}  // namespace

BookSession::BookSession(const QString& bookPath, DjvusedRunner& runner, bool writes)
    : lock_(Checked(bookPath, writes)) {
  if (!lock_.Note().isEmpty()) notes_ << lock_.Note();
  notes_ << WorkCopy::Recover(bookPath, [&] {
    if (!runner.DjvusedPresent()) return true;  // cannot tell: leave the book as it is
    try {
      runner.ComponentListText(bookPath);
      return true;
    } catch (const QuillmarkError&) {
      return false;
    }
  });
  state_ = BookState::Of(bookPath);
}
