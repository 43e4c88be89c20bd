// Preloaded into quillmark-cli by the save tests (LD_PRELOAD) to make one
// write fail the way a full disk or a kill makes it fail, at a byte chosen by
// the test, where no real disk can be filled at that moment:
//   QUILLMARK_FAULT_PATH   shell pattern of the paths whose writes count
//   QUILLMARK_FAULT_AFTER  bytes those writes may put down before the fault
//   QUILLMARK_FAULT        "enospc": the write that reaches the limit is cut
//                          there and the next one fails with ENOSPC (once:
//                          the space comes back, as it does when a failed
//                          file is removed); "kill": the process is killed
//                          with SIGKILL right after the bytes up to the limit
// The children of the process (djvused) run without it.
#include <dlfcn.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <signal.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int kMaxFd = 4096;
bool counted[kMaxFd];
long long written = 0, limit = -1;
const char* pattern = nullptr;
bool killing = false, cut = false, spent = false;

__attribute__((constructor)) void Start() {
  pattern = getenv("QUILLMARK_FAULT_PATH");
  const char* after = getenv("QUILLMARK_FAULT_AFTER");
  const char* fault = getenv("QUILLMARK_FAULT");
  if (after) limit = atoll(after);
  killing = fault && strcmp(fault, "kill") == 0;
  unsetenv("LD_PRELOAD");
}

void Track(int fd, const char* path) {
  if (fd >= 0 && fd < kMaxFd) counted[fd] = pattern && path && fnmatch(pattern, path, 0) == 0;
}

template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

mode_t ModeOf(int flags, va_list args) { return (flags & (O_CREAT | O_TMPFILE)) ? mode_t(va_arg(args, int)) : 0; }

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  const int fd = Next<int (*)(const char*, int, ...)>("open")(path, flags, mode);
  Track(fd, path);
  return fd;
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  const int fd = Next<int (*)(const char*, int, ...)>("open64")(path, flags, mode);
  Track(fd, path);
  return fd;
}

int openat(int dir, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  const int fd = Next<int (*)(int, const char*, int, ...)>("openat")(dir, path, flags, mode);
  Track(fd, path);
  return fd;
}

int openat64(int dir, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  const int fd = Next<int (*)(int, const char*, int, ...)>("openat64")(dir, path, flags, mode);
  Track(fd, path);
  return fd;
}

int close(int fd) {
  if (fd >= 0 && fd < kMaxFd) counted[fd] = false;
  return Next<int (*)(int)>("close")(fd);
}

ssize_t write(int fd, const void* data, size_t size) {
  static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
  if (fd < 0 || fd >= kMaxFd || !counted[fd] || limit < 0 || spent) return real(fd, data, size);
  if (cut) {  // the disk is full now
    cut = false;
    spent = true;
    errno = ENOSPC;
    return -1;
  }
  if (written + (long long)size < limit) {
    const ssize_t put = real(fd, data, size);
    if (put > 0) written += put;
    return put;
  }
  const ssize_t put = real(fd, data, size_t(limit - written));
  if (killing) raise(SIGKILL);
  cut = true;
  written = limit;
  if (put == 0) return write(fd, data, size);
  return put;
}

}  // extern "C"
