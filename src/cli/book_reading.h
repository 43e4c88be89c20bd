#pragma once
// The frame of the commands that read each FILE's book and print a report on
// it (offsets, pages): the work folder and djvused checked once, each file
// read in turn, its report written to standard output; a file that fails is
// named on standard error and the others are still read.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class DjvusedRunner;

// The report on one book: `path` is the book's short path, `file` the
// argument as given. Throws QuillmarkError.
using BookReport = std::function<QByteArray(DjvusedRunner& runner, const QString& path, const QString& file)>;

// The exit status: 0 when every file was reported, 1 otherwise, 2 (a usage
// error) when `files` is empty.
int ReportEachBook(const QString& command, const QStringList& files, const BookReport& report);
