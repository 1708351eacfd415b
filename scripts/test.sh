#!/usr/bin/env bash
# Builds everything and passes every test: unit, window and end-to-end tests.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
jobs=$(nproc)

echo "== build (build/)"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" -j "$jobs"

echo "== unit, window and end-to-end tests"
ctest --test-dir "$here/build" --output-on-failure -j "$jobs"

# The unit and window tests again, under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer. tests/lsan.supp says which leak is by contract and why.
# (-Wno-maybe-uninitialized: the sanitizers' instrumentation makes GCC warn falsely inside
# libstdc++'s <regex>; the normal build keeps the warning.)
echo "== build with sanitizers (build-asan/)"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize -Wno-maybe-uninitialized" >/dev/null
cmake --build "$here/build-asan" -j "$jobs"

echo "== unit and window tests with sanitizers"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
  LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$here/build-asan" -LE e2e --output-on-failure -j "$jobs"

# Each libFuzzer target for a fixed number of runs from its seed corpus (build-fuzz/).
# A longer run: tests/fuzz/run.sh -max_total_time=600
echo "== fuzzing (build-fuzz/)"
JOBS=$jobs "$here/tests/fuzz/run.sh" -runs=50000
