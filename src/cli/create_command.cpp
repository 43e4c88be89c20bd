// quillmark-cli create: one create-list row per FILE, all with the settings
// given, processed in order by the same create run as the window's "Создать".
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include "cli/cli_front_end.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "create/create_run.h"
#include "djvused/script_dialect.h"

namespace {

const QStringList kModes = {QStringLiteral("contents"), QStringLiteral("index1"), QStringLiteral("index2"),
                            QStringLiteral("contents-auto"), QStringLiteral("index-auto")};
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

struct CreateOptions {
  CreateJob settings;  // the twelve setting texts; folder and name set per FILE
  bool removeOcr = false, align = false, backup = false, dryRun = false, outline = false;
  bool list = false, json = false;  // the links made, as tab-separated lines or JSON
  QStringList files;
};

// Fills `options` from the arguments; returns the usage error, or an empty text.
QString ParseCreateOptions(const QStringList& arguments, CreateOptions& options) {
  CreateJob& s = options.settings;
  s.FirstPage = s.LastPage = QStringLiteral("1");
  s.cm = QStringLiteral("0");
  s.tp = QStringLiteral("0");
  s.tpb = QStringLiteral("1");
  s.tps = QStringLiteral("0");
  s.col1 = s.col2 = QStringLiteral("000000");
  s.bw = QStringLiteral("0");
  s.vis = s.pods = s.del2 = s.fol = QStringLiteral("0");

  for (int i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    const auto value = [&](QString* out) {
      if (i + 1 >= arguments.size()) return false;
      *out = arguments[++i];
      return true;
    };
    QString v;
    if (arg == QLatin1String("--pages")) {
      if (!value(&v)) return QStringLiteral("--pages needs A-B");
      static const QRegularExpression range(QStringLiteral("^(\\d+)-(\\d+)$"));
      const auto m = range.match(v);
      if (!m.hasMatch() || !IsWholeNumber(m.captured(1)) || !IsWholeNumber(m.captured(2))) {
        return QCoreApplication::translate("CreateCommand", "Неверно заданы страницы: %1").arg(v);
      }
      s.FirstPage = m.captured(1);
      s.LastPage = m.captured(2);
    } else if (arg == QLatin1String("--offset")) {
      // "+6", the form "offsets" prints, is the offset 6.
      if (value(&v) && v.startsWith(QLatin1Char('+')) && v.size() > 1 && v[1].isDigit()) v.remove(0, 1);
      if (v.isEmpty() || !(IsWholeNumber(v) || v == QLatin1String("auto"))) {
        return QStringLiteral("--offset needs a whole number or auto");
      }
      const bool bookNumbers = v == QLatin1String("auto");
      s.cm = bookNumbers ? QStringLiteral("0") : v;
      s.fol = bookNumbers ? QStringLiteral("1") : QStringLiteral("0");
    } else if (arg == QLatin1String("--halve")) {
      s.del2 = QStringLiteral("1");
    } else if (arg == QLatin1String("--mode")) {
      if (!value(&v) || !kModes.contains(v)) return QStringLiteral("--mode takes ") + kModes.join(QStringLiteral(", "));
      s.tp = QString::number(kModes.indexOf(v));
    } else if (arg == QLatin1String("--roman-offset")) {
      if (!value(&v) || !IsWholeNumber(v) || dialect::ParseInt32(v) < 1) {
        return QStringLiteral("--roman-offset takes the document page of printed page i, from 1 up");
      }
      s.ro = v;
    } else if (arg == QLatin1String("--shape")) {
      if (!value(&v) || !kShapes.contains(v)) return QStringLiteral("--shape takes rect or oval");
      s.tps = QString::number(kShapes.indexOf(v));
    } else if (arg == QLatin1String("--border")) {
      if (!value(&v) || !kBorders.contains(v)) return QStringLiteral("--border takes ") + kBorders.join(QStringLiteral(", "));
      s.tpb = QString::number(kBorders.indexOf(v));
    } else if (arg == QLatin1String("--border-color")) {
      if (!value(&v) || !IsHexColor(v)) return QStringLiteral("--border-color takes RRGGBB");
      s.col1 = v.toUpper();
    } else if (arg == QLatin1String("--border-width")) {
      if (!value(&v) || !IsWholeNumber(v) || v.startsWith(QLatin1Char('-'))) {
        return QStringLiteral("--border-width takes a whole number from 0 up");
      }
      s.bw = v;
    } else if (arg == QLatin1String("--always-visible")) {
      s.vis = QStringLiteral("1");
    } else if (arg == QLatin1String("--highlight")) {
      if (!value(&v) || !IsHexColor(v)) return QStringLiteral("--highlight takes RRGGBB");
      s.pods = QStringLiteral("1");
      s.col2 = v.toUpper();
    } else if (arg == QLatin1String("--remove-ocr")) {
      options.removeOcr = true;
    } else if (arg == QLatin1String("--align")) {
      options.align = true;
    } else if (arg == QLatin1String("--backup")) {
      options.backup = true;
    } else if (arg == QLatin1String("--outline")) {
      options.outline = true;
    } else if (arg == QLatin1String("--dry-run")) {
      options.dryRun = true;
    } else if (arg == QLatin1String("--list")) {
      options.list = true;
    } else if (arg == QLatin1String("--json")) {
      options.json = true;
    } else if (arg == QLatin1String("--")) {
      options.files += arguments.mid(i + 1);
      break;
    } else if (arg.startsWith(QLatin1String("--"))) {
      return QStringLiteral("unknown option %1").arg(arg);
    } else {
      options.files << arg;
    }
  }
  if (options.files.isEmpty()) return QStringLiteral("create needs at least one FILE");
  if (options.outline && s.tp != QLatin1String("0") && s.tp != QLatin1String("3")) {
    return QStringLiteral("--outline needs --mode contents or contents-auto");
  }
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
  // The follow-up is skipped for the index modes that link single numbers, as
  // when the window shows them.
  frontEnd.SetSelectedIndex(Combo::WorkType, options.settings.tp.toInt());
  for (const QString& file : options.files) {
    CreateJob row = options.settings;
    const FixJob place = FixJob::FromPath(AbsoluteFilePath(file));
    row.Folder = place.Folder;
    row.FileName = place.FileName;
    frontEnd.AddCreateRow(row);
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
  if (options.dryRun) run.SetDryRunOutput(&out);
  if (options.list || options.json) {
    run.SetListOutput(&out, options.json ? CreateRun::ListFormat::Json : CreateRun::ListFormat::Tsv);
  }
  const bool finished = run.Run();
  // What standard output could not take (a full disk, a closed pipe) fails the run.
  if (out.isOpen() && (!out.flush() || out.error() != QFile::NoError)) {
    frontEnd.ShowError(QCoreApplication::translate("CreateCommand", "Не удалось вывести результат: %1")
                           .arg(out.errorString()));
    return 1;
  }
  out.close();
  return finished ? 0 : 1;
}
