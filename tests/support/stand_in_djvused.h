#pragma once
// Misbehaving djvused stand-ins for the fault tests: a shell script put in a
// program folder (where the runner looks first) that runs shell code for the
// command lines matching a pattern and hands every other command line to the
// real djvused.
#include <QString>

namespace testdocs {

// `pattern` is a shell case pattern matched against " ARG1 ARG2 ... " (every
// argument with a blank on each side), e.g. "*' output-txt '*" or "*' -s '*" (blanks quoted).
// `action` is shell code run for a match; it finds the real djvused in
// "$REAL" and the document in "$1", and should end with an exit (otherwise
// the real djvused runs after it). Returns the folder that holds the script.
QString WriteFaultyDjvused(const QString& folder, const QString& pattern, const QString& action);

// The same for saves (-s) only.
QString WriteStandInDjvused(const QString& folder, const QString& onSave);

}  // namespace testdocs
