#!/usr/bin/env bash
# Builds the libFuzzer programs of tests/fuzz with clang, AddressSanitizer and UBSan (in
# build-fuzz/) and runs the named harnesses (all when none is named) one after another, each
# for SECONDS (default 45). New inputs go to build-fuzz/corpus/<harness>/ beside the
# checked-in corpus (tests/fuzz/corpus/<harness>/, read only); a crash, a hang or a sanitizer
# report leaves its input in build-fuzz/findings/<harness>/ and fails the run. Without clang
# it says so and succeeds. Prints each harness's executions.
# Usage: tools/fuzz.sh [-t SECONDS] [HARNESS...]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=45
if [ "${1:-}" = "-t" ]; then
  seconds=$2
  shift 2
fi
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(sql text_forms hive script plsql)
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found; the fuzzers were not run"
  exit 0
fi
build=$top/${VELMORA_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DVELMORA_FUZZ=ON -DVELMORA_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${harnesses[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for h in "${harnesses[@]}"; do
  mkdir -p "$build/corpus/$h" "$build/findings/$h"
  log=$build/findings/$h.log
  if "$build/bin/fuzz_$h" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=3072 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$build/findings/$h/" \
      "$build/corpus/$h" "$top/tests/fuzz/corpus/$h" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "fuzz_$h: ${runs:-?} executions in ${seconds} s: $result"
  [ "$result" = ok ] || tail -40 "$log"
done
exit $status
