#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ (Release) and runs them: Google Benchmark's report,
# then a table of each program's figure over its bare baseline's. Arguments go to the
# benchmark program (e.g. --benchmark_filter=refresh). Takes a few minutes.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
build=$here/build-bench

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQOLVIX_BUILD_TESTS=OFF \
  -DQOLVIX_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target qolvix_bench -j "${JOBS:-2}"

# Repetitions in random order, so that each program and its baseline share the machine's
# moods alike; the table uses the medians.
exec "$build/bench/bin/qolvix_bench" --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true --benchmark_color=false "$@"
