#!/bin/sh
# Runs a test program against a real X server: the display in FERRANT_XVFB_DISPLAY when the caller started
# one, otherwise a private Xvfb for this program alone (xvfb-run; -a moves on to the next free display when
# the first is taken, and each run starts its search at its own number so parallel runs do not collide).
if [ -n "${FERRANT_XVFB_DISPLAY:-}" ]; then
    DISPLAY="$FERRANT_XVFB_DISPLAY" exec "$@"
fi
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is missing: scripts/deps.sh installs it (package xvfb)" >&2
    exit 1
fi
start=$((200 + $$ % 600))
exec xvfb-run -a -n "$start" -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
