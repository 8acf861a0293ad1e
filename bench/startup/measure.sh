#!/usr/bin/env bash
# Start-up of Ferrant Demo against a bare Qt window of the same size, under Xvfb: from the process's start to
# its first window being mapped, medians of interleaved runs, and the resident memory 300 ms after mapping.
# Then, in each run of the program, a click on module 4's button: the time until the experiment window is
# mapped, so that start-up work moved to a later moment would show there.
#
#   bench/startup/measure.sh [BUILD_DIR] [RUNS]      (defaults: build, 10)
#
# BUILD_DIR is a configured build folder of this tree with the targets ferrant-demo, startup-bare-window and
# startup-map-watch built (they are built with the tests or the benchmarks). Prints each run, then the medians
# and the ratio. Needs Xvfb (package xvfb). FERRANT_PROGRAM=<path> times another ferrant-demo (its pictures
# beside it) against the same bare window.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
RUNS="${2:-10}"
# The program to time; by default the build folder's (another build's, to compare a change with its parent).
PROGRAM="${FERRANT_PROGRAM:-$BUILD/src/app/ferrant-demo}"
WATCH="$BUILD/bench/startup/startup-map-watch"
BARE="$BUILD/bench/startup/startup-bare-window"
for f in "$WATCH" "$BARE" "$PROGRAM"; do
    [ -x "$f" ] || { echo "missing $f: build the targets first" >&2; exit 2; }
done

WORK="$(mktemp -d)"
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# A display of its own; Xvfb writes its number once it accepts clients.
exec 3>"$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$WORK/display")"
# The single-instance lock in a folder of its own, so that a copy running on the desktop does not refuse
# the measured ones.
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
run() { # kind title watcher options... program
    local kind="$1" title="$2" line
    shift 2
    line="$("$WATCH" --title "$title" "$@")"
    echo "$kind $line"
    echo "$(echo "$line" | field mapped_ms) $(echo "$line" | field rss_kb) $(echo "$line" | field then_ms)" \
        >>"$WORK/$kind"
}

# One warm-up run each (shared libraries and fonts into the page cache), not counted.
"$WATCH" --title "Bare window" "$BARE" >/dev/null
"$WATCH" --title "Ferrant Demo" "$PROGRAM" >/dev/null
# Module 4's button is at (462, 12), 148 x 107, in the launcher; the experiment window's caption ends "(VEK4)".
for i in $(seq "$RUNS"); do
    run bare "Bare window" "$BARE"
    run program "Ferrant Demo" --click 536,65 --then "(VEK4)" "$PROGRAM"
done

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
bare_ms=$(cut -d' ' -f1 "$WORK/bare" | median)
program_ms=$(cut -d' ' -f1 "$WORK/program" | median)
bare_rss=$(cut -d' ' -f2 "$WORK/bare" | median)
program_rss=$(cut -d' ' -f2 "$WORK/program" | median)
echo "median to mapped: ferrant-demo ${program_ms} ms, bare window ${bare_ms} ms, ratio $(awk "BEGIN {printf \"%.2f\", $program_ms / $bare_ms}")"
echo "median from the click on module 4 to the experiment window mapped: $(cut -d' ' -f3 "$WORK/program" | median) ms"
echo "median resident: ferrant-demo $(awk "BEGIN {printf \"%.1f\", $program_rss / 1024}") MB, bare window $(awk "BEGIN {printf \"%.1f\", $bare_rss / 1024}") MB"
