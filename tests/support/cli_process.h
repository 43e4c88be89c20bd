#pragma once
// quillmark-cli run as a separate program (the one ctest names in
// QUILLMARK_CLI), with its exit status and both outputs.
#include <QByteArray>
#include <QMap>
#include <QStringList>

namespace testdocs {

struct CliRun {
  int status = -1;  // -1: it crashed
  QByteArray out, err;
};

// Throws std::runtime_error when QUILLMARK_CLI is not set or the program
// does not finish within two minutes. `languages` replaces LANGUAGE (the
// user's languages, "en:ru") when given. With `standardOutput`, the program's
// standard output goes to that file (out stays empty).
CliRun Cli(const QStringList& arguments, const QByteArray& path = qgetenv("PATH"), const QString& languages = {},
           const QString& standardOutput = {});

// The same with variables added to the environment, and the program given
// (empty: the one ctest names).
CliRun CliWith(const QStringList& arguments, const QMap<QString, QString>& variables, const QString& program = {},
               const QString& standardOutput = {});

}  // namespace testdocs
