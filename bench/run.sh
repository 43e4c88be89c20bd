#!/usr/bin/env bash
# Builds Quillmark in Release mode into build-bench/ and runs the benchmark:
# bench/run.sh [--pages N] [--rounds N]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target quillmark-bench >/dev/null
exec build-bench/bench/quillmark-bench "$@"
