#pragma once
// The subcommands of quillmark-cli. Each takes the arguments after its name
// and returns the process exit status: 0 when every file was finished, 1 when
// a file was not, 2 for a usage error.
#include <QStringList>

int RunCreateCommand(const QStringList& arguments);
int RunFixCommand(const QStringList& arguments);
int RunOffsetsCommand(const QStringList& arguments);
int RunPagesCommand(const QStringList& arguments);

// Text shared by the usage messages.
extern const char* const kUsage;
// Prints a usage error with the usage text and returns 2.
int UsageError(const QString& message);
