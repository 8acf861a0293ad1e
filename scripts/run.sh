#!/usr/bin/env bash
# Installs what is missing, builds Ferrant Demo (Release) and starts it.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/deps.sh"
cmake -S "$ROOT" -B "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DFERRANT_BUILD_TESTS=OFF >/dev/null
cmake --build "$ROOT/build-release" -j2
exec "$ROOT/build-release/src/app/ferrant-demo" "$@"
