#pragma once
// Runs one program to its end and measures it: wall time, and, when asked,
// the program's own CPU time (its children excluded) while a child of it
// runs, its whole own CPU time and its peak resident memory. Linux only: the
// figures come from /proc of the running program, sampled every millisecond
// or so, and from its zombie before it is reaped.
#include <QString>
#include <QStringList>

struct ProbeResult {
  double wallSeconds = 0;
  int exitCode = -1;          // -1 when killed by a signal
  double ownCpuSeconds = 0;   // user + system of the program itself
  double cpuWhileChildRuns = 0;  // own CPU summed over the samples in which a child ran
  double childSeconds = 0;       // wall time in which a child ran
  long peakRssKib = 0;           // VmHWM of the program itself
};

// Runs program with arguments; standard output goes to stdoutFile (empty:
// /dev/null), standard error to /dev/null. With sample, the /proc figures are
// collected too (this costs a little of the other core, so the timed runs
// leave it off). Throws std::runtime_error when the program cannot start.
ProbeResult RunProbed(const QString& program, const QStringList& arguments, const QString& stdoutFile = {},
                      bool sample = false);
