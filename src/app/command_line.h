#pragma once
// The desktop program's command line: quillmark [--help] [--version] [FILE...].
// The files named (what the menu entry passes for "Open with") go into the
// create list; --help and --version answer on standard output and end the
// program, without needing a display.
#include <QStringList>

namespace commandline {

// Whether the arguments ask only for the help or the version text.
bool AsksForText(int argc, char** argv);

// Reads the arguments (the program's name first); prints the help or version
// text, or a usage error, and ends the program when asked for. Returns the
// files named, as absolute paths (file: URLs are taken too).
QStringList Files(const QStringList& arguments);

}  // namespace commandline
