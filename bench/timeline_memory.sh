#!/bin/bash
# Memory of the editor with a 999-block scene on 40 lanes open: prints the resident size (VmRSS)
# and its peak (VmHWM) after the project opens and after the scene is imported, in MiB.
# Usage: bench/timeline_memory.sh BIN_DIR   (runs its own Xvfb)
set -u
BIN=$(cd "$1" && pwd)
SRC=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${VIGNETTA_MEMORY_INNER:-}" ]; then
    export VIGNETTA_MEMORY_INNER=1
    exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$BIN"
fi
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
WORK=$(mktemp -d)
trap 'kill $PID 2>/dev/null; rm -rf "$WORK"' EXIT
cp -r "$SRC/sample/SampleProject" "$WORK/Sample"
mkdir -p "$WORK/config/VignettaWorks"
printf '[General]\nwindowX=0\nwindowY=0\nwindowWidth=1600\nwindowHeight=1000\n' \
    >"$WORK/config/VignettaWorks/Vignetta.conf"
# 25 blocks a lane every 360 frames on 40 lanes (24 on the last), every kind.
/usr/bin/python3 - "$WORK/big.json" <<'PY'
import json, sys
kinds = [(0, 60), (1, 16), (3, 16), (4, 60), (2, 24), (7, 16), (0, 200), (8, 60)]
blocks, n = [], 0
for lane in range(1, 41):
    for i in range(25):
        n += 1
        if n > 999:
            break
        mode, delay = kinds[(lane + i) % 8]
        blocks.append({"blockId": n, "laneId": lane,
                       "eventData": {"blockStart": i * 360, "blockDelay": delay, "blockMode": mode,
                                     "scrollMode": mode == 7}})
json.dump(blocks, open(sys.argv[1], "w"))
PY
XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" \
    "$BIN/vignetta" "$WORK/Sample/Sample.fabproject" >"$WORK/log" 2>&1 &
PID=$!
wait_window() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.3
    done
    return 1
}
mem() { awk -v what="$1" '$1 == what ":" { printf "%.1f", $2 / 1024 }' /proc/$PID/status; }
MAIN=$(wait_window "Meadow Morning - Vignetta" 60) || { echo "the editor did not start"; exit 1; }
sleep 2
echo "project open:        VmRSS $(mem VmRSS) MiB"
xdotool windowfocus --sync "$MAIN"; sleep 0.3; xdotool key ctrl+o
DIALOG=$(wait_window "Choose Event JSON File" 20) || { echo "no import dialog"; exit 1; }
xdotool windowfocus --sync "$DIALOG"; sleep 0.3
xdotool key ctrl+a; xdotool type --delay 5 "$WORK/big.json"; xdotool key Return
BOX=$(wait_window "Vignetta" 30) && { xdotool windowfocus --sync "$BOX"; xdotool key Return; }
sleep 3
echo "999 blocks, 40 lanes: VmRSS $(mem VmRSS) MiB, peak VmHWM $(mem VmHWM) MiB"
grep -q "The import has failed" "$WORK/log" && echo "(the import failed)"
