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
