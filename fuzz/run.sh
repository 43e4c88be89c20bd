#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each, one
# after another, for a bounded time: fuzz/run.sh [SECONDS] [TARGET...]
# (default 60 s each, every target). Inputs that add coverage are merged
# into fuzz/corpus/<target>/; a crash, hang (10 s per input) or sanitizer
# report stops the run and leaves its input in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(text_scan component_list fix_passes annotation_merge auto_links page_folios outline_title)

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 >/dev/null

mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
  work=build-fuzz/work/$target
  mkdir -p "$work" "fuzz/corpus/$target"
  log=build-fuzz/$target.log
  echo "== $target: ${seconds}s"
  start=$(date +%s)
  status=0
  build-fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/artifacts/$target- "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  end=$(date +%s)
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  build-fuzz/fuzz_$target -merge=1 "fuzz/corpus/$target" "$work" >>"$log" 2>&1
  files=$(find "fuzz/corpus/$target" -type f | wc -l)
  bytes=$(du -sb "fuzz/corpus/$target" | cut -f1)
  if [ "$status" -eq 0 ]; then result="no crash, hang or sanitizer report"; else result="FAILED (exit $status), see $log"; fi
  echo "$target: $((end - start)) s, $runs executions, corpus $files files ($bytes bytes): $result"
  [ "$status" -eq 0 ] || exit "$status"
done
