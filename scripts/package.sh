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

# Every date in the package is the changelog's latest one, so two builds of one commit give the same package:
# the files' times in the archive (CPack clamps them to SOURCE_DATE_EPOCH) and the compiled-in resources'.
# The metainfo's release date is read from the same line by packaging/CMakeLists.txt.
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$ROOT/packaging/changelog" -STimestamp)}"
export SOURCE_DATE_EPOCH

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DFERRANT_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    >/dev/null
cmake --build "$BUILD" -j2
rm -f "$BUILD"/ferrant-demo_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
DEB="$(ls "$BUILD"/ferrant-demo_*.deb)"

# CPack counts bin/ferrant-demo, a link to the program, as a second copy of the program in Installed-Size.
# Count as dpkg-gencontrol does instead (each file and link in whole KiB, rounded up, by its own size; every
# other entry 1 KiB) and pack the tree again with dpkg-deb, which keeps the files' times and sorts them.
TREE="$BUILD/deb-tree"
rm -rf "$TREE"
dpkg-deb --raw-extract "$DEB" "$TREE"
SIZE="$(cd "$TREE" && find . -path ./DEBIAN -prune -o ! -path . -printf '%y %s\n' |
    awk '$1 == "f" || $1 == "l" { kib += int(($2 + 1023) / 1024); next } { kib += 1 } END { print kib }')"
sed -i "s/^Installed-Size: .*/Installed-Size: $SIZE/" "$TREE/DEBIAN/control"
dpkg-deb --root-owner-group --build "$TREE" "$DEB" >/dev/null
rm -rf "$TREE"
echo "$DEB"

if [ "${1:-}" = "--lint" ]; then
    if ! command -v lintian >/dev/null; then
        SUDO=""
        if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends lintian
    fi
    # What is left, and why, is listed in docs/PACKAGING.md.
    lintian --info --display-info --pedantic "$DEB" || true
fi
