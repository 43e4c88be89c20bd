#pragma once
// The arguments of one subcommand read with QCommandLineParser: its options
// (long names only) and the files after them; "--" ends the options.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>

// Parses `arguments` (those after the command's name) with the options set on
// `parser`. Returns the usage error, or an empty text: an unknown option is
// named through `unknown`, a missing value in Qt's words.
QString ParseCommandOptions(QCommandLineParser& parser, const QStringList& arguments,
                            const std::function<QString(const QString& option)>& unknown);
