#pragma once
// ddjvu and Tesseract run as child processes, one thread each.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ocr {

// Runs a program to its end (two minutes at most); its standard output.
// Throws InputError with `what` and the first line the program wrote to
// its error output when it cannot start, fails or takes longer.
QByteArray RunToEnd(const QString& program, const QStringList& arguments, const QString& what);

// The ddjvu program on the PATH. Throws InputError naming its package when
// it is missing.
QString DdjvuProgram();

}  // namespace ocr
