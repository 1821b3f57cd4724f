#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${VDR_BENCH_BUILD:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVDR_BUILD_TESTS=OFF -DVDR_BUILD_BENCH=ON
cmake --build "$build" -j 2
for b in "$build"/bin/bench_*; do "$b" "$@"; done
