#pragma once
// The failures a job can meet. Each carries a message meant for the user; the
// front end shows it where the job's handler catches it.
#include <QCoreApplication>
#include <QString>
#include <stdexcept>

class QuillmarkError : public std::runtime_error {
 public:
  explicit QuillmarkError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};

// A text that should hold a whole number and does not.
class ConversionError : public QuillmarkError {
 public:
  using QuillmarkError::QuillmarkError;
};

// A file that cannot be read, written, copied or removed.
class IoError : public QuillmarkError {
 public:
  using QuillmarkError::QuillmarkError;
};

// djvused could not be started, failed, crashed or left a broken document.
class DjvusedError : public QuillmarkError {
 public:
  using QuillmarkError::QuillmarkError;
};

// The first line of the report on a file that djvused cannot read as DjVu.
inline QString NotDjvuLine(const QString& path) {
  return QCoreApplication::translate("Errors", "Файл %1 не является документом DjVu или повреждён").arg(path);
}

// A row or a document that the job cannot work on (no page in range, ...).
class InputError : public QuillmarkError {
 public:
  using QuillmarkError::QuillmarkError;
};
