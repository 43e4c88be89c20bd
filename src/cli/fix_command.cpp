// quillmark-cli fix: runs the fix job over the files given.
#include "cli/commands.h"

int RunFixCommand(const QStringList&) { return UsageError(QStringLiteral("fix is not available in this build yet")); }
