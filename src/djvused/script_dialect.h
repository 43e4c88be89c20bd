#pragma once
// The part of djvused's script language that Quillmark reads and writes: the
// fixed lines, the number format, the line ends and the quoted strings.
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QString>
#include <optional>

namespace dialect {

inline const QByteArray kRemoveAllText = "select; remove-txt";
inline const QByteArray kPageComment = "# -------------------------------------";
inline const QByteArray kSetAnt = "set-ant";
inline const QByteArray kEndOfData = ".";
inline const QByteArray kSetOutline = "set-outline";

// The platform's line break, used for every script and batch line written.
QByteArray LineBreak();

// A decimal 32-bit signed integer: an optional minus sign and digits, nothing
// else. Throws ConversionError naming the text otherwise.
int ParseInt32(QByteArrayView text);
// The same reading without the exception: nothing when the text is no such number.
std::optional<int> ToInt32(QByteArrayView text);
// Why the text is no such number, to follow a field's name: "пустое значение,
// нужно целое число", "«x1» не целое число".
QString IntegerFault(QByteArrayView text);
int ParseInt32(const QByteArray& text);
int ParseInt32(const QString& text);
// Decimal, with a minus sign when negative, no leading zeros.
QByteArray NumberText(qint64 value);

// A part of a line, clamped to the line like QByteArray::mid.
QByteArrayView Mid(QByteArrayView text, qsizetype pos, qsizetype length = -1);

// Where a quoted string ends: `open` is the position of its opening quote (" or
// '); returns the position of its closing quote, or nothing when the text ends
// first. A backslash escapes the byte after it, so \" never ends a string.
// The one place that finds a string's end in djvused's syntax.
std::optional<qsizetype> StringEnd(QByteArrayView text, qsizetype open);

// Decodes the escapes djvused writes inside a quoted string (\" \\ \t \n \r
// \b \f and three octal digits) back into the bytes they stand for.
QByteArray Unescape(QByteArrayView quoted);
// The bytes as a double-quoted string of the script language, the way djvused
// writes strings: \" and \\ escaped, every byte below 0x20 and from 0x7F up
// as three octal digits. The result never holds a line break, so no text put
// into a script this way can end a command's data or start a command.
QByteArray Quote(QByteArrayView bytes);
// Some line of the text (lines broken at LF or CR) is "." once its blanks
// are trimmed: djvused would take it as the end of set-ant or set-outline
// data and run what follows as commands.
bool HoldsEndOfData(QByteArrayView text);

// How a line's end is taken off when it is read.
enum class LineEnd {
  // A file djvused wrote: LF or CR LF, so one trailing CR is stripped too.
  Dump,
  // A file this program wrote: exactly the platform's line break, so a CR
  // that belongs to the line's text stays.
  OwnFile,
};

// Reads a text file line by line, of any length.
class LineReader {
 public:
  explicit LineReader(const QString& path, LineEnd end = LineEnd::Dump);  // throws IoError
  bool Next(QByteArray& line);

 private:
  QFile file_;
  LineEnd end_;
};

// Writes lines, each ended by the platform's line break. Throws IoError when
// the file cannot be created or written.
class LineWriter {
 public:
  explicit LineWriter(const QString& path);
  ~LineWriter();
  void Write(QByteArrayView text);  // part of the current line
  void EndLine();
  void WriteLine(QByteArrayView line) { Write(line); EndLine(); }
  void Close();

 private:
  QFile file_;
  QByteArray buffer_;
  void Flush();
};

QString ReadFailure(const QString& path, const QString& reason);

// The lines of a text, each without its line end (LF, or CR LF). The views
// point into `text`.
QList<QByteArrayView> SplitLines(QByteArrayView text);

// Every line of a text file, each without its line end; throws IoError when
// it cannot be read.
QList<QByteArray> ReadLines(const QString& path, LineEnd end = LineEnd::Dump);

// A whole file's bytes; throws IoError when it cannot be read.
QByteArray ReadWholeFile(const QString& path);

}  // namespace dialect
