#!/usr/bin/env bash
# Installs what the build needs, builds the optimised analyser, writes the demo
# record next to it, signs it with the development key so that it verifies, and
# opens the analyser on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${VDR_RUN_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVDR_BUILD_TESTS=OFF -DVDR_BUILD_BENCH=OFF
cmake --build "$build" -j 2
"$build/bin/MakeDemo" "$build/bin/demo.vdr"
"$build/bin/SealSign" --key tests/verifier/keys/dev_private_key_DO_NOT_SHIP.pem "$build/bin/demo.vdr"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox ${QTWEBENGINE_CHROMIUM_FLAGS:-}"; fi
exec "$build/bin/Rovan_ZuvuDuvoreru" "$build/bin/demo.vdr"
