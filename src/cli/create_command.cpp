// quillmark-cli create: one create-list row per FILE, all with the settings
// given, processed in order by the same create run as the window's "Создать".
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include "cli/cli_front_end.h"
#include "cli/command_options.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "create/create_run.h"
#include "create/row_columns.h"
#include "djvused/script_dialect.h"

namespace {

const QStringList kModes = {QStringLiteral("contents"), QStringLiteral("index1"), QStringLiteral("index2"),
                            QStringLiteral("contents-auto"), QStringLiteral("index-auto"), QStringLiteral("book")};
const QStringList kShapes = {QStringLiteral("rect"), QStringLiteral("oval")};
const QStringList kBorders = {QStringLiteral("none"),       QStringLiteral("xor"),        QStringLiteral("border"),
                              QStringLiteral("shadow-in"),  QStringLiteral("shadow-out"), QStringLiteral("shadow-ein"),
                              QStringLiteral("shadow-eout")};

bool IsWholeNumber(const QString& text) {
  try {
    dialect::ParseInt32(text);
    return true;
  } catch (const QuillmarkError&) {
    return false;
  }
}

bool IsHexColor(const QString& text) {
  static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
  return hex.match(text).hasMatch();
}

// The options' defaults are the window's start-up settings: pages 1-1, offset
// 0, contents, an xor-bordered rectangle, black colours.
CreateSettings DefaultSettings() {
  CreateSettings s;
  s.look.borderColor = s.look.highlightColor = 0;
  return s;
}

struct CreateOptions {
  CreateSettings settings = DefaultSettings();  // every FILE's row has them
  bool removeOcr = false, align = false, backup = false, dryRun = false, outline = false, replaceOutline = false;
  bool readImages = false, storeText = false;  // --ocr, --ocr write
  bool list = false, json = false;  // the links made, as tab-separated lines or JSON
  QStringList files;
};

// An option of create that takes a value.
QCommandLineOption ValueOption(const char* name) {
  return QCommandLineOption(QLatin1String(name), {}, QStringLiteral("V"));
}

// Reads the values of the options given into the row settings; returns the
// usage error, or an empty text.
QString ReadValues(const QCommandLineParser& parser, CreateSettings& s) {
  const auto given = [&](const char* name, QString* v) {
    if (!parser.isSet(QLatin1String(name))) return false;
    *v = parser.value(QLatin1String(name));
    return true;
  };
  QString v;
  if (given("pages", &v)) {
    static const QRegularExpression range(QStringLiteral("^(\\d+)-(\\d+)$"));
    const auto m = range.match(v);
    if (!m.hasMatch() || !IsWholeNumber(m.captured(1)) || !IsWholeNumber(m.captured(2))) {
      return QCoreApplication::translate("CreateCommand", "Неверно заданы страницы: %1").arg(v);
    }
    s.firstPage = dialect::ParseInt32(m.captured(1));
    s.lastPage = dialect::ParseInt32(m.captured(2));
  }
  if (given("offset", &v)) {
    // "+6", the form "offsets" prints, is the offset 6.
    if (v.startsWith(QLatin1Char('+')) && v.size() > 1 && v[1].isDigit()) v.remove(0, 1);
    if (v.isEmpty() || !(IsWholeNumber(v) || v == QLatin1String("auto"))) {
      return QStringLiteral("--offset needs a whole number or auto");
    }
    s.bookNumbers = v == QLatin1String("auto");
    s.offset = s.bookNumbers ? 0 : dialect::ParseInt32(v);
  }
  if (given("mode", &v)) {
    if (!kModes.contains(v)) return QStringLiteral("--mode takes ") + kModes.join(QStringLiteral(", "));
    s.workType = WorkType(kModes.indexOf(v));
    // The whole book: where to look and the offset come from the book unless given.
    if (s.workType == WorkType::Book && !parser.isSet(QStringLiteral("pages"))) {
      s.firstPage = 1;
      s.lastPage = kToTheEnd;
    }
    if (s.workType == WorkType::Book && !parser.isSet(QStringLiteral("offset"))) s.bookNumbers = true;
  }
  if (given("roman-offset", &v)) {
    if (!IsWholeNumber(v) || dialect::ParseInt32(v) < 1) {
      return QStringLiteral("--roman-offset takes the document page of printed page i, from 1 up");
    }
    s.romanOffset = dialect::ParseInt32(v);
  }
  if (given("shape", &v)) {
    if (!kShapes.contains(v)) return QStringLiteral("--shape takes rect or oval");
    s.look.shape = int(kShapes.indexOf(v));
  }
  if (given("border", &v)) {
    if (!kBorders.contains(v)) return QStringLiteral("--border takes ") + kBorders.join(QStringLiteral(", "));
    s.look.borderType = int(kBorders.indexOf(v));
  }
  if (given("border-color", &v)) {
    if (!IsHexColor(v)) return QStringLiteral("--border-color takes RRGGBB");
    s.look.borderColor = HexRgbToColor(v);
  }
  if (given("border-width", &v)) {
    if (!IsWholeNumber(v) || v.startsWith(QLatin1Char('-'))) {
      return QStringLiteral("--border-width takes a whole number from 0 up");
    }
    s.look.borderWidth = dialect::ParseInt32(v);
  }
  if (given("highlight", &v)) {
    if (!IsHexColor(v)) return QStringLiteral("--highlight takes RRGGBB");
    s.look.highlight = true;
    s.look.highlightColor = HexRgbToColor(v);
  }
  return {};
}

// Fills `options` from the arguments; returns the usage error, or an empty text.
QString ParseCreateOptions(const QStringList& arguments, CreateOptions& options) {
  CreateSettings& s = options.settings;

  QCommandLineParser parser;
  for (const char* name : {"pages", "offset", "mode", "roman-offset", "shape", "border", "border-color",
                           "border-width", "highlight", "ocr"}) {
    parser.addOption(ValueOption(name));
  }
  for (const char* name : {"halve", "always-visible", "remove-ocr", "align", "backup", "outline", "replace-outline",
                           "dry-run", "list", "json"}) {
    parser.addOption(QCommandLineOption(QLatin1String(name)));
  }
  // "--ocr" alone reads the pages; "--ocr write" (or --ocr=write) also stores their text.
  QStringList given = arguments;
  for (qsizetype i = 0; i < given.size(); ++i) {
    if (given[i] != QLatin1String("--ocr")) continue;
    const bool valued = i + 1 < given.size() && (given[i + 1] == QLatin1String("write") || given[i + 1] == QLatin1String("read"));
    given[i] = QStringLiteral("--ocr=") + (valued ? given.takeAt(i + 1) : QStringLiteral("read"));
  }
  const QString error = ParseCommandOptions(
      parser, given, [](const QString& option) { return QStringLiteral("unknown option %1").arg(option); });
  if (!error.isEmpty()) return error;
  const QString valueError = ReadValues(parser, s);
  if (!valueError.isEmpty()) return valueError;
  const auto flag = [&](const char* name) { return parser.isSet(QLatin1String(name)); };
  s.halve = flag("halve");
  s.look.alwaysVisible = flag("always-visible");
  options.removeOcr = flag("remove-ocr");
  options.align = flag("align");
  options.backup = flag("backup");
  options.outline = flag("outline");
  options.replaceOutline = flag("replace-outline");
  options.dryRun = flag("dry-run");
  options.list = flag("list");
  options.json = flag("json");
  if (flag("ocr")) {
    const QString use = parser.value(QStringLiteral("ocr"));
    if (use != QLatin1String("read") && use != QLatin1String("write")) return QStringLiteral("--ocr takes read or write");
    options.readImages = true;
    options.storeText = use == QLatin1String("write");
  }
  options.files = parser.positionalArguments();
  if (options.files.isEmpty()) return QStringLiteral("create needs at least one FILE");
  if (options.outline && !LinksContents(s.workType)) {
    return QStringLiteral("--outline needs --mode contents, contents-auto or book");
  }
  if (options.replaceOutline && !options.outline) return QStringLiteral("--replace-outline needs --outline");
  return {};
}

}  // namespace

int RunCreateCommand(const QStringList& arguments) {
  CreateOptions options;
  const QString error = ParseCreateOptions(arguments, options);
  if (!error.isEmpty()) return UsageError(error);

  CliFrontEnd frontEnd;
  frontEnd.SetChecked(Option::RemoveOcr, options.removeOcr);
  frontEnd.SetChecked(Option::AlignContents, options.align);
  frontEnd.SetChecked(Option::CreateBackup, options.backup);
  frontEnd.SetChecked(Option::CreateOutline, options.outline);
  frontEnd.SetChecked(Option::ReadPageImages, options.readImages);
  frontEnd.SetChecked(Option::StorePageText, options.storeText);
  // A book's own bookmarks are kept unless their replacement is asked for.
  frontEnd.SetExistingOutlineDecision(options.replaceOutline ? ExistingOutline::Replace : ExistingOutline::Keep);
  for (const QString& file : options.files) {
    const FixJob place = FixJob::FromPath(AbsoluteFilePath(file));
    frontEnd.AddCreateRow(CreateJob{place.Folder, place.FileName, options.settings});
  }

  CliWorkspace workspace;
  if (!workspace.Usable(frontEnd)) return 1;
  CreateRun run(frontEnd, workspace.Runner());
  QFile out;
  if (options.dryRun || options.list || options.json) {
    if (!out.open(stdout, QIODevice::WriteOnly)) {
      frontEnd.ShowError(QCoreApplication::translate("CreateCommand", "Не удалось открыть стандартный вывод"));
      return 1;
    }
  }
  // A dry run prints its script, or the list of the links it would make in its
  // place; --list and --json after a save list the links now in the book.
  const bool listing = options.list || options.json;
  const auto show = [&](const QString& bookPath, const RowPlan& plan) {
    if (!listing && !options.dryRun) return;
    const QByteArray bytes = !listing ? plan.script
                             : options.json ? LinksAsJson(bookPath, plan.links)
                                            : LinksAsTsv(plan.links);
    if (out.write(bytes) != bytes.size()) {
      throw IoError(
          QCoreApplication::translate("CreateRun", "Не удалось вывести результат: %1").arg(out.errorString()));
    }
  };
  const bool finished = run.Run(show, options.dryRun);
  // What standard output could not take (a full disk, a closed pipe) fails the run.
  if (out.isOpen() && (!out.flush() || out.error() != QFile::NoError)) {
    frontEnd.ShowError(QCoreApplication::translate("CreateCommand", "Не удалось вывести результат: %1")
                           .arg(out.errorString()));
    return 1;
  }
  out.close();
  return finished ? 0 : 1;
}
