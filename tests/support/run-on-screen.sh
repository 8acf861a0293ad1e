#!/bin/sh
# run-on-screen.sh WIDTHxHEIGHT none|openbox PROGRAM [ARGS...]: runs a test program on a private Xvfb of
# that size, with no window manager or with openbox (as a lab PC's desktop would have one), so placement is
# checked as the X server and the window manager really do it.
size="$1"; wm="$2"; shift 2
for tool in Xvfb xwininfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: scripts/deps.sh installs it" >&2; exit 1; }
done
display=$((300 + $$ % 600))
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
server=$!
wmpid=""
cleanup() {
    [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
    kill "$server" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT INT TERM
export DISPLAY=":$display"
tries=0
until xwininfo -root >/dev/null 2>&1; do
    tries=$((tries + 1)); [ $tries -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }; sleep 0.1
done
if [ "$wm" = openbox ]; then
    command -v openbox >/dev/null 2>&1 || { echo "openbox is missing: scripts/deps.sh installs it" >&2; exit 1; }
    openbox >/dev/null 2>&1 &
    wmpid=$!
    # Wait until openbox manages the screen (it says so on the root window), however long its first start
    # takes (a fresh machine builds its font cache first): a window manager that starts after the windows are
    # mapped moves them itself, which is not what a lab PC does.
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        tries=$((tries + 1)); [ $tries -gt 300 ] && { echo "openbox did not start" >&2; exit 1; }; sleep 0.1
    done
    sleep 0.3
fi
FERRANT_SCREEN="$size" FERRANT_WM="$wm" "$@"
