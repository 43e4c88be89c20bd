#include "cli/cli_front_end.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

void PrintError(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
  std::fflush(stderr);
}

}  // namespace

void CliFrontEnd::LogChanged() {
  const QString& text = log_.Text();
  if (text.size() < printed_) {  // the log was cleared: go on below what is printed
    if (!atLineStart_) PrintError(QStringLiteral("\n"));
    atLineStart_ = true;
    logLineEnded_ = false;
    printed_ = 0;
  }
  QString piece = text.mid(printed_);
  printed_ = text.size();
  piece.replace(LogText::kLineBreak, QStringLiteral("\n"));
  // The break that ends a log line a message has already ended.
  if (logLineEnded_ && piece.startsWith(QLatin1Char('\n'))) piece.remove(0, 1);
  if (piece.isEmpty()) return;
  logLineEnded_ = false;
  atLineStart_ = piece.endsWith(QLatin1Char('\n'));
  PrintError(piece);
}

CliFrontEnd::~CliFrontEnd() {
  if (!atLineStart_) PrintError(QStringLiteral("\n"));
}

void CliFrontEnd::ShowMessage(const QString& text) {
  HeadlessFrontEnd::ShowMessage(text);
  PrintOwnLine(text);
}

void CliFrontEnd::ShowError(const QString& text) {
  HeadlessFrontEnd::ShowError(text);
  PrintOwnLine(QCoreApplication::translate("CliFrontEnd", "Ошибка: %1").arg(text));
}

void CliFrontEnd::PrintOwnLine(const QString& line) {
  if (!atLineStart_) {  // ends the open log line
    PrintError(QStringLiteral("\n"));
    logLineEnded_ = true;
  }
  PrintError(line + QLatin1Char('\n'));
  atLineStart_ = true;
}

bool CliWorkspace::Usable(FrontEnd& frontEnd) const {
  if (Valid()) return true;
  frontEnd.ShowError(QCoreApplication::translate("CliFrontEnd", "Не удалось создать временную папку"));
  return false;
}

QString AbsoluteFilePath(const QString& argument) { return QFileInfo(argument).absoluteFilePath(); }
