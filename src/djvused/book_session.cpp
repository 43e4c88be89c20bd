#include "djvused/book_session.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "core/errors.h"

void BookSession::RequireDocumentFile(const QString& path) {
  std::error_code error;
  const auto status = std::filesystem::status(std::filesystem::path(path.toStdString()), error);
  if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    throw InputError(QCoreApplication::translate("BookSession", "%1 не является файлом документа").arg(path));
  }
}

BookSession::BookSession(const QString& bookPath, DjvusedRunner& runner)
    : lock_((RequireDocumentFile(bookPath), bookPath)) {
  notes_ = WorkCopy::Recover(bookPath, [&] {
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
