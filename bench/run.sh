#!/usr/bin/env bash
# Builds Quillmark in Release mode into build-bench/ and runs the benchmark:
# bench/run.sh [--pages N] [--rounds N]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target quillmark-bench >/dev/null
# Not exec: the benchmark reads the peak memory of its reaped children, and
# resource usage survives exec, so the compiler run above would count too.
build-bench/bench/quillmark-bench "$@"
