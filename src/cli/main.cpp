// quillmark-cli: the create run and the fix job without windows.
#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>
#include <cstdio>

#include "cli/commands.h"
#include "core/translations.h"

const char* const kUsage =
    "quillmark-cli create [OPTIONS] FILE...\n"
    "  --pages A-B          the row's \"1 стр.\" and \"2 стр.\", default 1-1\n"
    "  --offset N           signed page offset (\"cm\"; +N as offsets prints it), default 0\n"
    "  --offset auto        each target is the page that carries the entry's printed number,\n"
    "                       read from the book's running heads and feet (\"fol\")\n"
    "  --halve              \"Делить на 2\" (\"del2\")\n"
    "  --mode M             contents | index1 | index2 | contents-auto | index-auto | book\n"
    "                       (\"tp\" 0 to 5), default contents; the automatic types read the page as a\n"
    "                       reader sees it; book finds the contents lists and the index within the\n"
    "                       pages (default: the whole book) and links them all, offset auto by default\n"
    "  --roman-offset N     the document page of printed page i (\"ro\"); the automatic types then\n"
    "                       link Roman page numbers too\n"
    "  --shape S            rect | oval (\"tps\"), default rect\n"
    "  --border B           none | xor | border | shadow-in | shadow-out | shadow-ein | shadow-eout\n"
    "                       (\"tpb\" 0 to 6 in this order), default xor\n"
    "  --border-color HEX   RRGGBB (\"col1\"), default 000000\n"
    "  --border-width N     (\"bw\"), default 0\n"
    "  --always-visible     (\"vis\")\n"
    "  --highlight HEX      highlight on (\"pods\") with colour RRGGBB (\"col2\")\n"
    "  --remove-ocr         \"Удалять OCR\"\n"
    "  --ocr [write]        the automatic types read the pages of the range that have no hidden\n"
    "                       text from their images with Tesseract (rus+eng); with write, the text\n"
    "                       read is stored in the book in the same save\n"
    "  --align              align the contents pages the row linked afterwards (contents types only)\n"
    "  --backup             the whole book as it was, in FILE.backup (or FILE.backup.1, ... when that\n"
    "                       exists) before the file is touched (\"Создавать резервную копию\")\n"
    "  --outline            bookmarks from the linked contents entries (\"Создать закладки\";\n"
    "                       contents, contents-auto, book: its main contents list); a book that has\n"
    "                       bookmarks keeps them\n"
    "  --replace-outline    with --outline: replace the bookmarks a book already has\n"
    "  --dry-run            write the link script to standard output instead of applying it;\n"
    "                       the document is not touched\n"
    "  --list               list the links on standard output, one tab-separated line each:\n"
    "                       page, printed number, the page a viewer opens, x, y, w, h, the entry's\n"
    "                       text, the outline level (with --outline), the link's URL\n"
    "                       (with --dry-run: the links that would be made, instead of the script)\n"
    "  --json               the same list as one JSON object per file\n"
    "quillmark-cli fix [--backup] FILE...\n"
    "quillmark-cli offsets FILE...  the printed page numbers found in each file's hidden text\n"
    "quillmark-cli pages [--json] FILE...\n"
    "                       the contents lists, the index and the folio map found in each file's\n"
    "                       hidden text, one tab-separated line each: FILE, then contents, figures,\n"
    "                       tables or index, the first and last page, main (the main contents) or -,\n"
    "                       the entries; FILE offset +N; FILE folios and a line as offsets prints it\n"
    "  --json               one JSON object per file instead\n"
    "quillmark-cli --help | --version\n";

int UsageError(const QString& message) {
  std::fprintf(stderr, "quillmark-cli: %s\n\n%s", message.toUtf8().constData(), kUsage);
  return 2;
}

// Qt reads arguments and file names as UTF-8: a name in another encoding
// would reach the file system changed and be "not found". Such a name is
// refused at once with what to do about it.
bool AllUtf8(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(QByteArrayView(argv[i])));
    if (utf8.hasError()) {
      const QString name = QString::fromLatin1(QByteArray(argv[i]).toPercentEncoding("/.-_ "));
      std::fprintf(stderr, "quillmark-cli: %s\n",
                   QCoreApplication::translate("CliMain",
                                               "имя «%1» не в кодировке UTF-8, такой файл не открыть: "
                                               "переименуйте его")
                       .arg(name)
                       .toUtf8()
                       .constData());
      return false;
    }
  }
  return true;
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quillmark-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
  translations::Install(app, QLocale::system().uiLanguages());  // the log's language
  if (!AllUtf8(argc, argv)) return 1;
  QStringList arguments = QCoreApplication::arguments().mid(1);
  if (arguments.isEmpty()) return UsageError(QStringLiteral("no command given"));
  const QString command = arguments.takeFirst();
  if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (command == QLatin1String("--version")) {
    std::printf("quillmark-cli %s\n", QUILLMARK_VERSION);
    return 0;
  }
  if (command == QLatin1String("create")) return RunCreateCommand(arguments);
  if (command == QLatin1String("fix")) return RunFixCommand(arguments);
  if (command == QLatin1String("offsets")) return RunOffsetsCommand(arguments);
  if (command == QLatin1String("pages")) return RunPagesCommand(arguments);
  return UsageError(QStringLiteral("unknown command '%1'").arg(command));
}
