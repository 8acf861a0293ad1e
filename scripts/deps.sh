#!/usr/bin/env bash
# Installs the Debian packages Ferrant Demo needs to build, test and run, when they are missing.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev
    # no longer used by the build (the plots are painted by our own painters); kept until a fresh Debian root
    # has proved the build without them
    qt6-charts-dev libqt6opengl6-dev
    # the program in German, French and Spanish: lrelease and its CMake functions (qt6-tools-dev) build the
    # .qm files; Qt's own dialogs' translations
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libhidapi-dev libjpeg62-turbo-dev libxcb1-dev
    libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    # the install test: a headless X server and the desktop's validators; packaging: dpkg-shlibdeps. xvfb-run,
    # which runs the *_x11 tests, needs xauth, which xvfb only recommends
    xvfb xauth xdotool desktop-file-utils appstream dpkg-dev
    # the lab record: XLSX export (libxlsxwriter's pkg-config asks for -lz, which its -dev package does not pull); the tests read exports and reports back with openpyxl and poppler, and
    # check the experiment file's MIME type
    libxlsxwriter-dev zlib1g-dev python3-openpyxl poppler-utils shared-mime-info
    # the tests run the exports under German, French and US C locales, compiled with localedef
    locales
    # the lab windows' placement tests: a real window manager on the private Xvfb, frames read back
    openbox x11-utils
    # the accessibility tests: the AT-SPI bus and registry, its Python reader, a session D-Bus to run them in
    at-spi2-core python3-pyatspi dbus-daemon dbus-bin
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
