// quillmark-bench: times quillmark-cli create and fix on a 600-page book
// against the bare djvused commands they need, and measures the program's
// own CPU time while djvused runs and its peak memory. Not a test: run it by
// hand (bench/run.sh) and read the figures.
#include <sys/resource.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "bench_document.h"
#include "process_probe.h"

namespace {

struct Bench {
  QString cli, djvused, folder, book;
  QString pristine, linked;  // the book before create, and after it (with links)
};

void Replace(const QString& target, const QString& from) {
  QFile::remove(target);
  if (!QFile::copy(from, target)) throw std::runtime_error("cannot copy " + from.toStdString());
}

double Cli(const Bench& b, const QStringList& arguments) {
  const ProbeResult r = RunProbed(b.cli, arguments);
  if (r.exitCode != 0) throw std::runtime_error("quillmark-cli failed: " + arguments.join(' ').toStdString());
  return r.wallSeconds;
}

double Djvused(const Bench& b, const QStringList& arguments, const QString& out = {}) {
  const ProbeResult r = RunProbed(b.djvused, QStringList{b.book} + arguments, out);
  if (r.exitCode != 0) throw std::runtime_error("djvused failed: " + arguments.join(' ').toStdString());
  return r.wallSeconds;
}

// Makes `to` hold exactly the files of `from`.
void CopyFolder(const QString& from, const QString& to) {
  QDir(to).removeRecursively();
  QDir().mkpath(to);
  for (const QString& name : QDir(from).entryList(QDir::Files)) {
    if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name))) {
      throw std::runtime_error("cannot copy " + name.toStdString());
    }
  }
}

// The best of `rounds` timings of every contender, run alternating; each run
// starts from the document in `start`.
QList<double> BestOf(int rounds, const Bench& b, const QString& start, const QList<std::function<double()>>& runs) {
  QList<double> best(runs.size(), 1e9);
  for (int round = 0; round < rounds; ++round) {
    for (qsizetype i = 0; i < runs.size(); ++i) {
      Replace(b.book, start);
      best[i] = std::min(best[i], runs[i]());
    }
  }
  return best;
}

QString CpuModel() {
  QFile info("/proc/cpuinfo");
  if (!info.open(QIODevice::ReadOnly)) return "?";
  for (const QByteArray& line : info.readAll().split('\n')) {
    if (line.startsWith("model name")) return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
  }
  return "?";
}

// Peak memory of a program without children: its own maximum RSS.
long OwnMaxRssKib(const QString& program, const QStringList& arguments) {
  RunProbed(program, arguments);
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);  // the largest reaped child so far
  return usage.ru_maxrss;
}

void Print(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stdout, format, args);
  va_end(args);
  std::fflush(stdout);
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  int pages = 600, rounds = 3;
  QString keep;  // --keep DIR: the books are built there and left for a look
  Bench b;
  b.cli = QStringLiteral(QUILLMARK_CLI);
  for (int i = 0; i + 1 < args.size(); i += 2) {
    if (args[i] == "--pages") pages = args[i + 1].toInt();
    else if (args[i] == "--rounds") rounds = args[i + 1].toInt();
    else if (args[i] == "--cli") b.cli = args[i + 1];
    else if (args[i] == "--keep") keep = args[i + 1];
    else {
      std::fprintf(stderr, "usage: quillmark-bench [--pages N] [--rounds N] [--cli PATH] [--keep DIR]\n");
      return 2;
    }
  }
  try {
    // The Qt baseline first, while no other child has been reaped: the
    // largest reaped child is then quillmark-cli itself.
    const long baselineKib = OwnMaxRssKib(b.cli, {"--version"});
    QTemporaryDir dir;
    if (!dir.isValid()) throw std::runtime_error("no temporary folder");
    dir.setAutoRemove(keep.isEmpty());
    if (!keep.isEmpty() && !QDir().mkpath(keep)) throw std::runtime_error("cannot make " + keep.toStdString());
    b.folder = keep.isEmpty() ? dir.path() : QDir(keep).absolutePath();
    b.djvused = QStandardPaths::findExecutable("djvused");
    if (b.djvused.isEmpty()) throw std::runtime_error("djvused is not installed (djvulibre-bin)");
    const QDir d(b.folder);
    Print("Quillmark benchmark, %s\nmachine: nproc %d, %s, %s\n",
          qPrintable(QDateTime::currentDateTime().toString(Qt::ISODate)), QThread::idealThreadCount(),
          qPrintable(CpuModel()), qPrintable(QSysInfo::prettyProductName()));
    const BenchDocument book = BuildBenchDocument(b.folder, pages);
    b.book = book.path;
    b.pristine = d.filePath("pristine.djvu");
    b.linked = d.filePath("linked.djvu");
    Replace(b.pristine, b.book);

    const QString txt = d.filePath("txt.dsed"), ls = d.filePath("ls.dsed"), ant = d.filePath("ant.dsed");
    const QString createScript = d.filePath("create.dsed"), fixScript = d.filePath("fix.dsed");
    Djvused(b, {"-e", "output-txt"}, txt);
    const qint64 dumpBytes = QFileInfo(txt).size();
    Print("document: %d pages, %lld bytes; text dump %lld bytes\n", pages, book.bytes, dumpBytes);

    // The create script as the program writes it, then the linked book.
    if (RunProbed(b.cli, {"create", "--pages", "3-6", "--dry-run", b.book}, createScript).exitCode != 0) {
      throw std::runtime_error("quillmark-cli create --dry-run failed");
    }
    const QString bookScript = d.filePath("book.dsed");
    if (RunProbed(b.cli, {"create", "--mode", "book", "--dry-run", b.book}, bookScript).exitCode != 0) {
      throw std::runtime_error("quillmark-cli create --mode book --dry-run failed");
    }
    Cli(b, {"create", "--pages", "3-6", b.book});
    Replace(b.linked, b.book);
    // The fix job's script is the aligned annotation dump it applies.
    Cli(b, {"fix", b.book});
    Djvused(b, {"-e", "output-ant"}, fixScript);
    Print("create script %lld bytes, fix script %lld bytes\n\n", QFileInfo(createScript).size(),
          QFileInfo(fixScript).size());

    const QList<double> create = BestOf(rounds, b, b.pristine, {
        [&] { return Cli(b, {"create", "--pages", "3-6", b.book}); },
        [&] { return Djvused(b, {"-e", "ls"}, ls) + Djvused(b, {"-e", "output-txt"}, txt) +
                     Djvused(b, {"-f", createScript, "-s"}); },
        [&] { return Djvused(b, {"-e", "ls"}, ls); },
        [&] { return Djvused(b, {"-e", "output-txt"}, txt); },
        [&] { return Djvused(b, {"-f", createScript, "-s"}); },
        [&] { return Djvused(b, {"-e", "n; dump"}); },
        [&] { return Cli(b, {"create", "--pages", "3-6", "--offset", "auto", b.book}); },
        [&] { return Cli(b, {"offsets", b.book}); },
        [&] { return Cli(b, {"create", "--pages", "3-6", "--mode", "contents-auto", b.book}); },
        [&] { return Cli(b, {"create", "--mode", "book", b.book}); },
        [&] { return Djvused(b, {"-f", bookScript, "-s"}); },
    });
    const QList<double> fix = BestOf(rounds, b, b.linked, {
        [&] { return Cli(b, {"fix", b.book}); },
        [&] { return Djvused(b, {"-e", "output-ant"}, ant) + Djvused(b, {"-f", fixScript, "-s"}); },
        [&] { return Djvused(b, {"-e", "output-ant"}, ant); },
        [&] { return Djvused(b, {"-f", fixScript, "-s"}); },
    });
    const double checkDump = create[5];
    // The described create run needs the component list, the whole book's
    // hidden text and the save; this one reads only the pages of the range
    // and checks its save, safety checks included in its time.
    const double createRatio = create[0] / create[1], fixRatio = fix[0] / fix[1];
    Print("best of %d, alternating, seconds:\n", rounds);
    Print("create --pages 3-6: quillmark-cli %.3f | bare djvused %.3f (-e ls %.3f, -e output-txt %.3f, -f -s %.3f)\n",
          create[0], create[1], create[2], create[3], create[4]);
    Print("  ratio %.3f (goal <= 0.65); the save check -e 'n; dump' alone takes %.3f\n", createRatio, checkDump);
    Print("create --pages 3-6 --offset auto: %.3f, ratio to the fixed offset %.3f (goal <= 1.3)\n", create[6],
          create[6] / create[0]);
    Print("offsets: %.3f, ratio to -e output-txt %.3f (goal <= 1.2)\n", create[7], create[7] / create[3]);
    Print("create --pages 3-6 --mode contents-auto: %.3f, ratio to the described contents type %.3f (goal <= 1.1)\n",
          create[8], create[8] / create[0]);
    const double bookRatio = create[9] / (create[3] + create[10]);
    Print("create --mode book (the whole book: parts, offset, links): %.3f, ratio to -e output-txt + the save of its"
          " script (%.3f) %.3f (goal <= 1.3)\n", create[9], create[10], bookRatio);
    Print("fix: quillmark-cli %.3f | bare djvused %.3f (-e output-ant %.3f, -f -s %.3f)\n", fix[0], fix[1], fix[2],
          fix[3]);
    Print("  ratio %.3f (goal <= 1.25)\n", fixRatio);

#ifdef QUILLMARK_PREVIEW_PROBE
    // The preview window on the row 3-6: its dry run, the first page rendered
    // by ddjvu at the window's size, then the next page.
    const QString probeOut = d.filePath("preview.txt");
    double previewOpen = 1e9, previewNext = 1e9;
    qint64 previewLinks = 0;
    for (int round = 0; round < rounds; ++round) {
      Replace(b.book, b.pristine);
      if (RunProbed(QStringLiteral(QUILLMARK_PREVIEW_PROBE), {b.book, "3", "6"}, probeOut).exitCode != 0) {
        throw std::runtime_error("quillmark-preview-probe failed");
      }
      QFile out(probeOut);
      if (!out.open(QIODevice::ReadOnly)) throw std::runtime_error("no output of quillmark-preview-probe");
      const QList<QByteArray> f = out.readAll().simplified().split(' ');
      if (f.size() != 3) throw std::runtime_error("unexpected output of quillmark-preview-probe");
      previewOpen = std::min(previewOpen, f[0].toDouble());
      previewNext = std::min(previewNext, f[1].toDouble());
      previewLinks = f[2].toLongLong();
    }
    Print("preview of the row 3-6 (%lld links): first page shown %.3f (goal < 1 s %s), next page %.3f\n",
          previewLinks, previewOpen, Verdict(previewOpen < 1), previewNext);

#endif
    // An indirect document of half the pages: the create run against
    // djvused's own save of the same script.
    const int indirectPages = std::max(pages / 2, 8);
    const QString indirectFolder = d.filePath("indirect"), indirectPristine = d.filePath("indirect-pristine");
    QDir().mkpath(d.filePath("small"));
    const BenchDocument small = BuildBenchDocument(d.filePath("small"), indirectPages);
    QDir().mkpath(indirectFolder);
    if (RunProbed(QStandardPaths::findExecutable("djvmcvt"), {"-i", small.path, indirectFolder, "index.djvu"}).exitCode != 0) {
      throw std::runtime_error("djvmcvt -i failed");
    }
    CopyFolder(indirectFolder, indirectPristine);
    Bench ib = b;
    ib.book = QDir(indirectFolder).filePath("index.djvu");
    const QString indirectScript = d.filePath("indirect.dsed");
    if (RunProbed(b.cli, {"create", "--pages", "3-6", "--dry-run", ib.book}, indirectScript).exitCode != 0) {
      throw std::runtime_error("quillmark-cli create --dry-run failed on the indirect document");
    }
    QList<double> indirect(2, 1e9);
    for (int round = 0; round < rounds; ++round) {
      CopyFolder(indirectPristine, indirectFolder);
      indirect[0] = std::min(indirect[0], Cli(ib, {"create", "--pages", "3-6", ib.book}));
      CopyFolder(indirectPristine, indirectFolder);
      indirect[1] = std::min(indirect[1], Djvused(ib, {"-f", indirectScript, "-s"}));
    }
    const double indirectRatio = indirect[0] / indirect[1];
    Print("indirect, %d pages, create --pages 3-6: quillmark-cli %.3f | djvused's save -f -s %.3f\n", indirectPages,
          indirect[0], indirect[1]);
    Print("  ratio %.3f (goal <= 1.2)\n", indirectRatio);

    // One sampled run of each for the program's own CPU time and memory.
    Replace(b.book, b.pristine);
    const ProbeResult c = RunProbed(b.cli, {"create", "--pages", "3-6", b.book}, {}, true);
    Replace(b.book, b.pristine);
    const ProbeResult whole = RunProbed(b.cli, {"create", "--mode", "book", b.book}, {}, true);
    Replace(b.book, b.linked);
    const ProbeResult f = RunProbed(b.cli, {"fix", b.book}, {}, true);
    Print("\nquillmark-cli's own CPU time (children excluded), sampled every ~1 ms:\n");
    Print("  create: %.3f s while djvused ran (%.3f s of djvused); %.3f s in all of its %.3f s\n",
          c.cpuWhileChildRuns, c.childSeconds, c.ownCpuSeconds, c.wallSeconds);
    Print("  fix:    %.3f s while djvused ran (%.3f s of djvused); %.3f s in all of its %.3f s\n",
          f.cpuWhileChildRuns, f.childSeconds, f.ownCpuSeconds, f.wallSeconds);
    const long limitKib = long(3 * dumpBytes / 1024) + baselineKib;
    Print("peak memory of quillmark-cli itself (VmHWM): create %ld KiB, create --mode book %ld KiB, fix %ld KiB;"
          " Qt baseline (--version) %ld KiB\n", c.peakRssKib, whole.peakRssKib, f.peakRssKib, baselineKib);
    Print("  goal: below 3 x text dump + baseline = %ld KiB\n", limitKib);
    const double cpuShare = std::max(c.cpuWhileChildRuns / std::max(c.childSeconds, 1e-9),
                                     f.cpuWhileChildRuns / std::max(f.childSeconds, 1e-9));
    Print("\ngoals: create ratio <= 0.65 %s; fix ratio <= 1.25 %s; indirect ratio <= 1.2 %s; whole book <= 1.3 %s;"
          " CPU while waiting near zero (%.1f%% of the wait) %s; memory %s\n",
          Verdict(createRatio <= 0.65), Verdict(fixRatio <= 1.25), Verdict(indirectRatio <= 1.2),
          Verdict(bookRatio <= 1.3), 100 * cpuShare, Verdict(cpuShare < 0.02),
          Verdict(std::max({c.peakRssKib, whole.peakRssKib, f.peakRssKib}) < limitKib));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillmark-bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
