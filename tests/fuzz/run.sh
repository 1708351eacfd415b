#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ (clang, AddressSanitizer, UBSan, every
# library instrumented for coverage) and runs each from its seed corpus.
#   tests/fuzz/run.sh                        the short run of the test command
#   tests/fuzz/run.sh -max_total_time=600    a longer run: ten minutes per target
# Any arguments go to every target as libFuzzer flags (the default is -runs=50000).
# New inputs the fuzzer finds go to build-fuzz/fuzz-corpus/<target>, never into the seeds;
# an input that breaks a property is saved as build-fuzz/fuzz-crashes/<target>-crash-*.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$here/build-fuzz
flags=("$@")
((${#flags[@]})) || flags=(-runs=50000)

sanitize="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQOLVIX_FUZZ=ON \
  -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" >/dev/null
cmake --build "$build" --target fuzz_targets -j "${JOBS:-2}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Qt needs no display for the text functions, but must not look for one.
export QT_QPA_PLATFORM=offscreen

mkdir -p "$build/fuzz-crashes"
status=0
for target in "$build"/fuzz/*_fuzz; do
  name=$(basename "$target")
  seeds=$here/tests/fuzz/corpus/$name
  found=$build/fuzz-corpus/$name
  mkdir -p "$found"
  echo "== fuzz $name ${flags[*]}"
  if ! "$target" "${flags[@]}" -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-crashes/$name-" "$found" "$seeds" \
    >"$build/fuzz-$name.log" 2>&1; then
    tail -n 40 "$build/fuzz-$name.log"
    echo "fuzz $name: FAILED (log: $build/fuzz-$name.log)"
    status=1
  else
    grep -E '^(stat::number_of_executed_units|#[0-9]+.*DONE)' "$build/fuzz-$name.log" || true
  fi
done
exit $status
