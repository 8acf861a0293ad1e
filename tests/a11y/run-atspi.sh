#!/bin/sh
# Inside a session D-Bus (dbus-run-session) on an X display: starts the accessibility bus, then runs the
# AT-SPI reader against the probe program given as $1 (with the system Python, where python3-pyatspi is). Everything started here is stopped by its own pid.
set -u
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
i=0
until dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; do
    i=$((i + 1))
    if [ $i -gt 100 ]; then echo "the accessibility bus did not start" >&2; kill $launcher; exit 1; fi
    sleep 0.1
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb /usr/bin/python3 "$(dirname "$0")/tst_atspi_tree.py" "$1"
rc=$?
kill $launcher 2>/dev/null
exit $rc
