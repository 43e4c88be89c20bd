#pragma once
// What the user is shown of djvused's error output: its first meaningful line.
// djvused prints a failure as several lines, "*** [1-12311] Failed to open
// document '…'", then the source place "*** (DjVuDocEditor.cpp:178)" and the
// function "*** 'void DJVU::…'"; only the first says what happened.
#include <QString>

// The first line that is neither a source place nor a function, without the
// "***" marker and the message code. The text itself (trimmed) when no line
// is left.
QString DjvusedMessage(const QString& errorOutput);
