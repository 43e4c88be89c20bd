#include "core/log_text.h"

const QString LogText::kLineBreak = QStringLiteral("\r\n");

void LogText::LogClear() { text_.clear(); }

void LogText::LogAddLine(const QString& text) {
  if (text_.isEmpty() || text_.endsWith(kLineBreak)) {
    text_ += text + kLineBreak;
  } else {
    text_ += kLineBreak + text;
  }
}

void LogText::LogAppend(const QString& text) { text_ += text; }
