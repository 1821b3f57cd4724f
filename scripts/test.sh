#!/usr/bin/env bash
# Installs what the build needs, builds every test with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them all. Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${VDR_TEST_BUILD:-build-test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVDR_SANITIZE=ON -DVDR_BUILD_TESTS=ON -DVDR_BUILD_BENCH=OFF
cmake --build "$build" -j 2
ctest --test-dir "$build" --output-on-failure -j 2 --timeout 600
