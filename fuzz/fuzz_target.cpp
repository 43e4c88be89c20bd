// A libFuzzer target: one of the entry points of fuzz_entry_points.h, chosen
// at compile time by FUZZ_ENTRY (see CMakeLists.txt).
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

#include "fuzz_entry_points.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);  // the scans pump its event loop
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FUZZ_ENTRY(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  return 0;
}
