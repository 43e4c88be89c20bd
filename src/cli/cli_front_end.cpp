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
    printed_ = 0;
  }
  QString piece = text.mid(printed_);
  printed_ = text.size();
  if (piece.isEmpty()) return;
  piece.replace(LogText::kLineBreak, QStringLiteral("\n"));
  atLineStart_ = piece.endsWith(QLatin1Char('\n'));
  PrintError(piece);
}

CliFrontEnd::~CliFrontEnd() {
  if (!atLineStart_) PrintError(QStringLiteral("\n"));
}

void CliFrontEnd::ShowMessage(const QString& text) {
  HeadlessFrontEnd::ShowMessage(text);
  PrintError((atLineStart_ ? QString() : QStringLiteral("\n")) + text + QLatin1Char('\n'));
  atLineStart_ = true;
}

void CliFrontEnd::ShowError(const QString& text) {
  HeadlessFrontEnd::ShowError(text);
  PrintError((atLineStart_ ? QString() : QStringLiteral("\n")) + QStringLiteral("Ошибка: ") + text +
             QLatin1Char('\n'));
  atLineStart_ = true;
}

CliWorkspace::CliWorkspace() : runner_(folder_.path(), QCoreApplication::applicationDirPath()) {}

QString AbsoluteFilePath(const QString& argument) { return QFileInfo(argument).absoluteFilePath(); }
