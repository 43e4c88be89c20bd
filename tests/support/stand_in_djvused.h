#pragma once
// A stand-in djvused for fault tests: a small shell script put in a program
// folder, where the runner looks first. It misbehaves when it is asked to save
// (-s) and hands every other command to the real djvused.
#include <QString>

namespace testdocs {

// `onSave` is shell code run for a save; "$1" is the document.
// Returns the folder that holds the stand-in.
QString WriteStandInDjvused(const QString& folder, const QString& onSave);

}  // namespace testdocs
