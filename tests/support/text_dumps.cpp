#include "support/text_dumps.h"

namespace testdocs {

QByteArray DumpQuoted(const QString& text) {
  QByteArray out = "\"";
  for (const char c : text.toUtf8()) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\t') {
      out += "\\t";
    } else if (u >= 0x80 || u < 0x20) {
      out += '\\' + QByteArray::number(u, 8).rightJustified(3, '0');
    } else {
      out += c;
    }
  }
  return out + '"';
}

QByteArray TextDump(const QList<QList<TextLine>>& pages) {
  QByteArray dump = "select; remove-txt\n";
  for (int p = 0; p < pages.size(); ++p) {
    if (pages[p].isEmpty()) continue;
    dump += "# ------------------------- \n";
    dump += QStringLiteral("select \"p%1.djvu\" # page %1\nset-txt\n").arg(p + 1).toLatin1();
    dump += QStringLiteral("(page 0 0 %1 %2").arg(kPageWidth).arg(kPageHeight).toLatin1();
    for (const TextLine& line : pages[p]) {
      dump += QStringLiteral("\n (line %1 %2 %3 %4").arg(line.left).arg(line.bottom).arg(line.right).arg(line.top).toLatin1();
      for (const Word& w : line.words) {
        dump += QStringLiteral("\n  (word %1 %2 %3 %4 ").arg(w.left).arg(w.bottom).arg(w.right).arg(w.top).toLatin1();
        dump += DumpQuoted(w.text) + ')';
      }
      dump += ')';
    }
    dump += ")\n\n.\n";
  }
  return dump;
}

}  // namespace testdocs
