#!/usr/bin/env bash
# Builds the Debian package of Ferrant Demo with CPack: build-package/ferrant-demo_<version>_<arch>.deb.
#   scripts/package.sh           build the package
#   scripts/package.sh --lint    and run lintian on it (installs lintian when missing)
# Install it with `sudo apt install ./build-package/ferrant-demo_*.deb`.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/deps.sh"
BUILD="${FERRANT_PACKAGE_BUILD:-$ROOT/build-package}"

# Debian's compiler and linker flags (fortified functions, stack protector, read-only relocations).
# CMake reads CFLAGS, CXXFLAGS and LDFLAGS from the environment when it first configures a build folder;
# it has no CPPFLAGS, so those go with the compiler flags.
export CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DFERRANT_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    >/dev/null
cmake --build "$BUILD" -j2
rm -f "$BUILD"/ferrant-demo_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
DEB="$(ls "$BUILD"/ferrant-demo_*.deb)"
echo "$DEB"

if [ "${1:-}" = "--lint" ]; then
    if ! command -v lintian >/dev/null; then
        SUDO=""
        if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends lintian
    fi
    # What is left, and why, is listed in docs/PACKAGING.md.
    lintian --info --display-info "$DEB" || true
fi
