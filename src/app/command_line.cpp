#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace commandline {

bool AsksForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (argument == option) return true;
    }
  }
  return false;
}

QStringList Files(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "CommandLine", "Гиперссылки содержания и указателя в DjVu книгах. Названные файлы DjVu "
                     "добавляются в список вкладки \"Создать\"."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("files"), QCoreApplication::translate("CommandLine", "файлы DjVu"),
                               QCoreApplication::translate("CommandLine", "[ФАЙЛ...]"));
  parser.process(arguments);
  QStringList files;
  for (const QString& argument : parser.positionalArguments()) {
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    files << QFileInfo(path).absoluteFilePath();
  }
  return files;
}

}  // namespace commandline
