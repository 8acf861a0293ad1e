#!/usr/bin/env bash
# Installs what is missing, builds Ferrant Demo with its tests and runs the whole suite headless.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/deps.sh"
BUILD="${FERRANT_TEST_BUILD:-$ROOT/build-test}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERRANT_BUILD_TESTS=ON >/dev/null
cmake --build "$BUILD" -j2
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
# --timeout: the limit for any entry that sets none itself (tests/CMakeLists.txt gives each one 300 s).
ctest --output-on-failure -j2 --timeout 300 "$@"
