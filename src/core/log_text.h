#pragma once
// The progress log as text, without a window: the four log operations and the
// line-break rule of LogAddLine. The log window shows this text; the command
// line prints it.
#include <QString>

class LogText {
 public:
  static const QString kLineBreak;  // "\r\n", as the log window's memo keeps it

  void LogClear();
  // Adds the text as a line: after a line break when the log does not end
  // with one, followed by a line break when it is empty or already ends with one.
  void LogAddLine(const QString& text);
  // Continues the last line (or starts a new one after a trailing line break).
  void LogAppend(const QString& text);

  const QString& Text() const { return text_; }

 private:
  QString text_;
};
