#include "djvused/script_dialect.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "core/errors.h"

namespace dialect {

QByteArray LineBreak() {
#ifdef Q_OS_WIN
  return QByteArrayLiteral("\r\n");
#else
  return QByteArrayLiteral("\n");
#endif
}

std::optional<int> ToInt32(QByteArrayView text) {
  qsizetype i = 0;
  const bool negative = !text.isEmpty() && text[0] == '-';
  if (negative) ++i;
  if (i == text.size()) return std::nullopt;
  qint64 value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > qint64(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return int(value);
}

QString IntegerFault(QByteArrayView text) {
  if (text.isEmpty()) return QCoreApplication::translate("ScriptDialect", "пустое значение, нужно целое число");
  // A word from a dump may be of any length: quote at most 60 characters of it.
  QString quoted = QString::fromUtf8(text.data(), text.size());
  if (quoted.size() > 60) quoted = quoted.left(60) + QStringLiteral("…");
  const bool digits = std::all_of(text.begin() + (text[0] == '-' ? 1 : 0), text.end(),
                                  [](char c) { return c >= '0' && c <= '9'; });
  if (digits && text != "-")
    return QCoreApplication::translate("ScriptDialect", "«%1» не умещается в 32 бита").arg(quoted);
  return QCoreApplication::translate("ScriptDialect", "«%1» не целое число").arg(quoted);
}

int ParseInt32(QByteArrayView text) {
  if (const std::optional<int> value = ToInt32(text)) return *value;
  QString fault = IntegerFault(text);
  fault[0] = fault[0].toUpper();
  throw ConversionError(fault);
}

int ParseInt32(const QByteArray& text) { return ParseInt32(QByteArrayView(text)); }

QByteArrayView Mid(QByteArrayView text, qsizetype pos, qsizetype length) {
  if (pos < 0) pos = 0;
  if (pos >= text.size()) return QByteArrayView(text.data() + text.size(), 0);
  if (length < 0 || length > text.size() - pos) length = text.size() - pos;
  return text.sliced(pos, length);
}

int ParseInt32(const QString& text) { return ParseInt32(QByteArrayView(text.toUtf8())); }

QByteArray NumberText(qint64 value) { return QByteArray::number(value); }

std::optional<qsizetype> StringEnd(QByteArrayView text, qsizetype open) {
  const char quote = text[open];
  qsizetype i = open + 1;
  while (i < text.size() && text[i] != quote) i += text[i] == '\\' ? 2 : 1;  // an escaped byte never ends it
  if (i >= text.size()) return std::nullopt;
  return i;
}

QByteArray Unescape(QByteArrayView quoted) {
  QByteArray out;
  out.reserve(quoted.size());
  for (qsizetype i = 0; i < quoted.size(); ++i) {
    const char c = quoted[i];
    if (c != '\\' || i + 1 >= quoted.size()) { out += c; continue; }
    const char e = quoted[++i];
    switch (e) {
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      default:
        if (e >= '0' && e <= '7') {
          int v = 0, n = 0;
          while (n < 3 && i < quoted.size() && quoted[i] >= '0' && quoted[i] <= '7') {
            v = v * 8 + (quoted[i] - '0');
            ++i; ++n;
          }
          --i;
          out += char(v);
        } else {
          out += e;  // \" \\ and anything else stand for themselves
        }
    }
  }
  return out;
}

QByteArray Quote(QByteArrayView bytes) {
  QByteArray quoted = "\"";
  quoted.reserve(bytes.size() + 2);
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      quoted += '\\';
      quoted += ch;
    } else if (byte < 0x20 || byte >= 0x7F) {
      quoted += '\\';
      quoted += char('0' + (byte >> 6));
      quoted += char('0' + ((byte >> 3) & 7));
      quoted += char('0' + (byte & 7));
    } else {
      quoted += ch;
    }
  }
  return quoted + '"';
}

bool HoldsEndOfData(QByteArrayView text) {
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    if (text.sliced(start, end - start).trimmed() == ".") return true;
    start = end + 1;
  }
  return false;
}

QString ReadFailure(const QString& path, const QString& reason) {
  return QCoreApplication::translate("ScriptDialect", "Не удалось прочитать файл %1: %2").arg(path, reason);
}

QList<QByteArrayView> SplitLines(QByteArrayView text) {
  QList<QByteArrayView> lines;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) end = text.size();
    QByteArrayView line = text.sliced(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    lines << line;
    start = end + 1;
  }
  return lines;
}

QList<QByteArray> ReadLines(const QString& path, LineEnd end) {
  LineReader reader(path, end);
  QList<QByteArray> lines;
  QByteArray line;
  while (reader.Next(line)) lines << line;
  return lines;
}

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw IoError(ReadFailure(path, file.errorString()));
  QByteArray bytes = file.readAll();
  if (file.error() != QFile::NoError) throw IoError(ReadFailure(path, file.errorString()));
  return bytes;
}

LineReader::LineReader(const QString& path, LineEnd end) : file_(path), end_(end) {
  if (!file_.open(QIODevice::ReadOnly)) throw IoError(ReadFailure(path, file_.errorString()));
}

bool LineReader::Next(QByteArray& line) {
  if (file_.atEnd()) return false;
  line = file_.readLine();
  if (end_ == LineEnd::OwnFile) {
    if (line.endsWith(LineBreak())) line.chop(LineBreak().size());
    return true;
  }
  if (line.endsWith('\n')) line.chop(1);
  if (line.endsWith('\r')) line.chop(1);
  return true;
}

LineWriter::LineWriter(const QString& path) : file_(path) {
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    throw IoError(
        QCoreApplication::translate("ScriptDialect", "Не удалось записать файл %1: %2").arg(path, file_.errorString()));
  }
}

LineWriter::~LineWriter() {
  if (file_.isOpen()) {
    file_.write(buffer_);
    file_.close();
  }
}

void LineWriter::Write(QByteArrayView text) {
  buffer_.append(text.data(), text.size());
  if (buffer_.size() >= (1 << 16)) Flush();
}

void LineWriter::EndLine() { Write(LineBreak()); }

void LineWriter::Flush() {
  if (!buffer_.isEmpty() && file_.write(buffer_) != buffer_.size()) {
    throw IoError(QCoreApplication::translate("ScriptDialect", "Не удалось записать файл %1: %2")
                      .arg(file_.fileName(), file_.errorString()));
  }
  buffer_.clear();
}

void LineWriter::Close() {
  Flush();
  if (!file_.flush()) {
    throw IoError(QCoreApplication::translate("ScriptDialect", "Не удалось записать файл %1: %2")
                      .arg(file_.fileName(), file_.errorString()));
  }
  file_.close();
}

}  // namespace dialect
