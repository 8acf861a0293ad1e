#!/usr/bin/env bash
# Pictures of the real program under Xvfb, driven with real mouse events (xdotool): the four support
# arrangements built with the mouse, and the live readings from the simulated unit (connected, a frame cut
# short, a unit that stops streaming). Not part of the test suite; for looking at the product.
#   scripts/xvfb-shots.sh BUILD_DIR OUT_DIR     (e.g. build-test /tmp/shots; OUT_DIR docs replaces the published ones)
set -u
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT/build-test}"
OUT="${2:?usage: scripts/xvfb-shots.sh BUILD_DIR OUT_DIR  (docs to replace the published pictures)}"
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
for tool in Xvfb xdotool import; do
    command -v $tool >/dev/null || { $SUDO apt-get install -y -qq xvfb xdotool imagemagick >/dev/null; break; }
done
WX=507; WY=261; MENU=21                    # the window's designed place; the menu bar's height
PX=$((WX + 2)); PY=$((WY + MENU + 29 + 2)) # Panel1's top-left on the screen
TBX=$((PX + 524)); TBY=$((PY + 7))         # the tool box
shot() { import -window root -crop 756x567+$WX+$WY +repage "$1"; }
drag() { # from a screen point to a point of the apparatus picture, then back over the bare picture
    xdotool mousemove $1 $2; sleep 0.1; xdotool mousedown 1; sleep 0.1
    xdotool mousemove $(((PX + $3 + $1) / 2)) $(((PY + $4 + $2) / 2)); sleep 0.1
    xdotool mousemove $((PX + $3 + 2)) $((PY + $4)); sleep 0.1
    xdotool mousemove $((PX + $3)) $((PY + $4)); sleep 0.2
    xdotool mouseup 1; sleep 0.2
    xdotool mousemove $((PX + 300)) $((PY + 40)); sleep 0.2
}
start() { # the program on a fresh X server, module 4 open
    Xvfb :$1 -screen 0 1400x900x24 >/dev/null 2>&1 & XPID=$!
    sleep 1; export DISPLAY=:$1
    "$BUILD/src/app/ferrant-demo" >/dev/null 2>&1 & APID=$!
    sleep 2; xdotool mousemove 840 345 click 1; sleep 1.5
}
stop() { kill $APID; sleep 0.3; kill $XPID; }
CLAMP="$((TBX + 50)) $((TBY + 127))"; KNIFE="$((TBX + 107)) $((TBY + 128))"
G100="$((TBX + 50)) $((TBY + 304))"; G200="$((TBX + 79)) $((TBY + 304))"; G300="$((TBX + 107)) $((TBY + 304))"
G400="$((TBX + 136)) $((TBY + 304))"; G500="$((TBX + 164)) $((TBY + 304))"; VAR="$((TBX + 48)) $((TBY + 250))"
UDLB="$((TBX + 115)) $((TBY + 178))"; WEIGHTBOX="$((TBX + 105)) $((TBY + 233))"
NEWB="$((WX + 15)) $((WY + MENU + 14))"; WIZARD="$((WX + 121)) $((WY + MENU + 14))"
CONNECT="$((WX + 53)) $((WY + MENU + 14))"

start 78
drag $CLAMP 80 150; drag $G300 441 190; drag $G100 265 190
shot "$OUT/vek4-cantilever.png"
xdotool mousemove $NEWB click 1; sleep 0.3
drag $KNIFE 147 160; drag $KNIFE 382 160; xdotool mousemove $UDLB click 1; sleep 0.3
drag $G500 265 190; drag $G100 106 190
shot "$OUT/vek4-simply-supported.png"
xdotool mousemove $NEWB click 1; sleep 0.3
drag $CLAMP 80 150; drag $CLAMP 450 150; drag $G200 206 190; drag $G400 353 190
shot "$OUT/vek4-fixed-both-ends.png"
xdotool mousemove $NEWB click 1; sleep 0.3
xdotool mousemove $WEIGHTBOX click --repeat 2 1; sleep 0.2; xdotool key ctrl+a; xdotool type 250; sleep 0.2
drag $CLAMP 80 150; drag $KNIFE 323 160; drag $VAR 412 190
xdotool mousemove $((PX + 265)) $((PY + 110)); sleep 0.1; xdotool mousedown 1; sleep 0.1
xdotool mousemove $((PX + 340)) $((PY + 110)); sleep 0.1; xdotool mousemove $((PX + 412)) $((PY + 110))
sleep 0.1; xdotool mouseup 1; sleep 0.5
shot "$OUT/vek4-propped-cantilever.png"
stop

# The live readings: the simulated unit as COM3.
CFG="$HOME/.config/Ferrant Demo"
mkdir -p "$CFG"
[ -f "$CFG/FerrantSettings.ini" ] && cp "$CFG/FerrantSettings.ini" /tmp/ferrant-settings.saved
printf '[Communiations]\nSerialPort=3\nUSBOnly=False\n' > "$CFG/FerrantSettings.ini"
FIFO=$(mktemp -u); mkfifo "$FIFO"
(cat "$FIFO" | "$BUILD/src/link/sim/vek2000-sim" --com 3 >/dev/null 2>&1) & SIMP=$!
exec 3>"$FIFO"
start 79
echo "gauge 1 -1.23 in" >&3
xdotool mousemove $WIZARD click 1; sleep 0.5
xdotool mousemove $CONNECT click 1; sleep 3
shot "$OUT/vek4-live-connected.png"
echo "fault short-frame" >&3
sleep 1
for i in $(seq 1 40); do # pictures until one shows the amber lamp
    shot /tmp/unstable.png
    lamp=$(convert /tmp/unstable.png -crop 12x12+516+29 +repage -format '%[fx:mean.r>0.6&&mean.g>0.45&&mean.b<0.4]' info:)
    [ "$lamp" = 1 ] && { mv /tmp/unstable.png "$OUT/vek4-live-unstable.png"; break; }
done
echo "fault none" >&3; sleep 1.5
echo "fault stop-streaming" >&3; sleep 4
shot "$OUT/vek4-live-lost.png"
stop
echo quit >&3; exec 3>&-; rm -f "$FIFO"
if [ -f /tmp/ferrant-settings.saved ]; then mv /tmp/ferrant-settings.saved "$CFG/FerrantSettings.ini"; else rm -f "$CFG/FerrantSettings.ini"; fi
echo "pictures in $OUT"
