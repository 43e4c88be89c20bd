#include "process_probe.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

double Now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

QByteArray ReadProc(pid_t pid, const char* name) {
  QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// utime + stime of /proc/PID/stat, in seconds (the fields after the command's
// closing parenthesis: state is field 3, utime 14, stime 15).
double OwnCpu(pid_t pid) {
  const QByteArray stat = ReadProc(pid, "stat");
  const qsizetype close = stat.lastIndexOf(')');
  if (close < 0) return -1;
  const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
  if (fields.size() < 13) return -1;
  return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

// CPU time of all the program's threads in nanoseconds (schedstat's first
// field), finer than the clock ticks of stat.
double ThreadsCpu(pid_t pid) {
  const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
  double total = 0;
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile file(tasks.filePath(task + QStringLiteral("/schedstat")));
    if (file.open(QIODevice::ReadOnly)) total += file.readAll().split(' ').first().toDouble() / 1e9;
  }
  return total;
}

bool HasChild(pid_t pid) {
  return !ReadProc(pid, QStringLiteral("task/%1/children").arg(pid).toLatin1().constData()).trimmed().isEmpty();
}

long PeakRss(pid_t pid) {
  const QByteArray status = ReadProc(pid, "status");
  const qsizetype at = status.indexOf("VmHWM:");
  if (at < 0) return -1;
  return status.mid(at + 6, status.indexOf('\n', at) - at - 6).trimmed().split(' ').first().toLong();
}

}  // namespace

ProbeResult RunProbed(const QString& program, const QStringList& arguments, const QString& stdoutFile, bool sample) {
  std::vector<QByteArray> argvBytes{QFile::encodeName(program)};
  for (const QString& argument : arguments) argvBytes.push_back(QFile::encodeName(argument));
  std::vector<char*> argv;
  for (QByteArray& bytes : argvBytes) argv.push_back(bytes.data());
  argv.push_back(nullptr);
  const QByteArray out = QFile::encodeName(stdoutFile.isEmpty() ? QStringLiteral("/dev/null") : stdoutFile);

  ProbeResult result;
  const double start = Now();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int o = open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = open("/dev/null", O_WRONLY);
    if (o < 0 || e < 0) _exit(126);
    dup2(o, 1);
    dup2(e, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  siginfo_t info{};
  if (sample) {
    double lastCpu = 0, lastAt = start;
    bool lastChild = false;
    const timespec pause{0, 1000000};
    for (;;) {
      info = {};
      if (waitid(P_PID, pid_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid) break;
      const double cpu = ThreadsCpu(pid), at = Now();
      const bool child = HasChild(pid);
      if (child && lastChild) {
        result.cpuWhileChildRuns += cpu - lastCpu;
        result.childSeconds += at - lastAt;
      }
      const long rss = PeakRss(pid);
      if (rss > result.peakRssKib) result.peakRssKib = rss;
      lastCpu = cpu;
      lastAt = at;
      lastChild = child;
      nanosleep(&pause, nullptr);
    }
    // The zombie's stat still holds its own times, in clock ticks; the last
    // sample is finer but misses the final millisecond: the larger counts.
    result.ownCpuSeconds = std::max(OwnCpu(pid), lastCpu);
  } else {
    waitid(P_PID, pid_t(pid), &info, WEXITED | WNOWAIT);
  }
  result.wallSeconds = Now() - start;
  int status = 0;
  waitpid(pid, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (result.exitCode == 127) throw std::runtime_error("cannot run " + program.toStdString());
  return result;
}
