#!/bin/bash
# Screenshots of the timeline with the demo scene, for looking at: both zooms in all four themes,
# each with a block selection and a drag in progress, and with a selected marker.
# Usage: tools/timeline_screenshots.sh BIN_DIR OUT_DIR   (runs its own Xvfb)
set -u
BIN=$(cd "$1" && pwd)
mkdir -p "$2"
OUT=$(cd "$2" && pwd)
SRC=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${VIGNETTA_SHOTS_INNER:-}" ]; then
    export VIGNETTA_SHOTS_INNER=1
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" "$BIN" "$OUT"
fi
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp -r "$SRC/sample/SampleProject" "$WORK/Sample"

wait_window() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.3
    done
    return 1
}
keys_to() {
    xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3; shift
    xdotool key --clearmodifiers "$@"
}

for theme in default dark highContrastWhite highContrastBlack; do
    for zoom in expanded shrunk; do
        conf="$WORK/config/VignettaWorks"
        rm -rf "$WORK/config"; mkdir -p "$conf"
        printf '[General]\nwindowX=0\nwindowY=0\nwindowWidth=1600\nwindowHeight=1000\nthemeName=%s\n' \
            "$theme" >"$conf/Vignetta.conf"
        XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" \
            "$BIN/vignetta" "$WORK/Sample/Sample.fabproject" >"$WORK/log" 2>&1 &
        pid=$!
        main=$(wait_window "Meadow Morning - Vignetta" 60) || { echo "no window"; kill $pid; continue; }
        sleep 1
        keys_to "$main" ctrl+o
        dialog=$(wait_window "Choose Event JSON File" 20)
        keys_to "$dialog" ctrl+a
        xdotool type --delay 5 "$SRC/sample/SampleProject/scenes/demo.json"
        xdotool key Return
        box=$(wait_window "Vignetta" 20) && keys_to "$box" Return
        sleep 1
        # Raise the splitter to give the timeline room.
        top=$(import -window root png:- | /usr/bin/python3 -c '
import sys, io
from PIL import Image
im = Image.open(io.BytesIO(sys.stdin.buffer.read())).convert("RGB")
print(next(y for y in range(im.height) if im.getpixel((3, y)) == (0x22, 0x44, 0x88)))')
        xdotool mousemove 800 $((top - 47)) mousedown 1 mousemove 800 500 sleep 0.2 mousemove 800 360 mouseup 1
        sleep 0.5
        top=$(import -window root png:- | /usr/bin/python3 -c '
import sys, io
from PIL import Image
im = Image.open(io.BytesIO(sys.stdin.buffer.read())).convert("RGB")
print(next(y for y in range(im.height) if im.getpixel((3, y)) == (0x22, 0x44, 0x88)))')
        lane=$([ "$zoom" = shrunk ] && echo 32 || echo 64)
        if [ "$zoom" = shrunk ]; then
            # The Shrink button: fifth from the left of the tools row (right edge, 344 wide).
            xdotool mousemove $((1600 - 344 + 5 * 40 + 12 + 20)) $((top - 22)) click 1
            sleep 1
            top=$(import -window root png:- | /usr/bin/python3 -c '
import sys, io
from PIL import Image
im = Image.open(io.BytesIO(sys.stdin.buffer.read())).convert("RGB")
print(next(y for y in range(im.height) if im.getpixel((3, y)) == (0x22, 0x44, 0x88)))')
        fi
        lanes=$((top + 28))
        ppf=$([ "$zoom" = shrunk ] && echo 1 || echo 4)
        # Empty lane space first (the import selected every block), then the block at frames
        # 60-300 of lane 3 and, with Shift, the one at 120-420 of lane 5.
        xdotool mousemove $((20 * ppf)) $((lanes + 2 * lane + lane / 2)) click 1
        xdotool mousemove $((100 * ppf)) $((lanes + 2 * lane + lane / 2)) click 1
        xdotool keydown shift mousemove $((200 * ppf)) $((lanes + 4 * lane + lane / 2)) click 1 keyup shift
        sleep 0.5
        # A drag in progress: pressed and moved, not released.
        xdotool mousemove $((200 * ppf)) $((lanes + 4 * lane + lane / 2)) mousedown 1
        for i in 1 2 3 4 5 6; do
            xdotool mousemove $((200 * ppf + i * 12)) $((lanes + 4 * lane + lane / 2 + i * lane / 6)); sleep 0.05
        done
        sleep 0.5
        import -window root "$OUT/${theme}_${zoom}_drag.png"
        xdotool key Escape mouseup 1
        sleep 0.3
        # A selected marker (the one at frame 240).
        xdotool mousemove $((240 * ppf)) $((top + 22)) click 1
        sleep 0.5
        import -window root "$OUT/${theme}_${zoom}_marker.png"
        kill $pid; wait $pid 2>/dev/null
        echo "$theme $zoom done"
    done
done
