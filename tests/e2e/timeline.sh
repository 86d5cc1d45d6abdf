#!/bin/bash
# The timeline in the real editor under Xvfb, driven with the mouse and keys: Import Event of the
# demo scene, a picture block from the insert row dragged 40 pixels right and one lane down, a
# Shift-click, Copy, another lane, Paste, Undo twice and Redo once (the platform's Redo key,
# Ctrl+Shift+Z here; Ctrl+Y on Windows); the exported scene is checked
# against the command-line tool's ripple insertion, and Copy As Event against its conversion.
# Then a second editor pastes the blocks the first one copied.
# Arguments: the bin directory and the source directory.
set -u
BIN=$(cd "$1" && pwd)
SRC=$(cd "$2" && pwd)

if [ -z "${VIGNETTA_E2E_INNER:-}" ]; then
    export VIGNETTA_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" "$BIN" "$SRC"
fi

export QT_QPA_PLATFORM=xcb
export QTWEBENGINE_DISABLE_SANDBOX=1
WORK=$(mktemp -d)
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done
    rm -rf "$WORK"
}
trap cleanup EXIT

PASSED=0
FAILED=0
pass() { echo "PASS: $1"; PASSED=$((PASSED + 1)); }
fail() { echo "FAIL: $1"; FAILED=$((FAILED + 1)); }
PY=/usr/bin/python3

cp -r "$SRC/sample/SampleProject" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
DEMO="$SRC/sample/SampleProject/scenes/demo.json"
TITLE="Meadow Morning - Vignetta"

# Starts an editor with its own settings (window at 0,0, 1600 x 1000); prints its pid.
start_editor() {
    local name=$1 conf="$WORK/$1/config/VignettaWorks"
    mkdir -p "$conf" "$WORK/$name/data"
    printf '[General]\nwindowX=0\nwindowY=0\nwindowWidth=1600\nwindowHeight=1000\n' >"$conf/Vignetta.conf"
    XDG_CONFIG_HOME="$WORK/$name/config" XDG_DATA_HOME="$WORK/$name/data" \
        "$BIN/vignetta" "$PROJECT" >"$WORK/$name.log" 2>&1 &
    echo $!
}

wait_window() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.3
    done
    return 1
}
wait_gone() {
    local deadline=$((SECONDS + $2))
    while [ $SECONDS -lt $deadline ]; do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.3
    done
    return 1
}
keys_to() {
    local win=$1; shift
    xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
    sleep 0.3
    xdotool key --clearmodifiers "$@"
}
dismiss_box() {
    local box
    box=$(wait_window "Vignetta" 10) || return 1
    keys_to "$box" Return
    wait_gone "Vignetta" 5
}
# Sends the keys $3 to the window $2 and types the path $4 into the file dialog titled $1 that
# they open (asking twice when a busy machine dropped the first request).
file_dialog() {
    local dialog
    keys_to "$2" "$3"
    dialog=$(wait_window "$1" 15) || { keys_to "$2" "$3"; dialog=$(wait_window "$1" 15); } || return 1
    sleep 0.3
    keys_to "$dialog" ctrl+a
    xdotool type --delay 5 "$4"
    xdotool key Return
    wait_gone "$1" 10
}
# The top of the ruler band: the first row whose left pixel has the ruler's colour.
ruler_top() {
    import -window root "$WORK/screen.png"
    $PY - "$WORK/screen.png" <<'EOF'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
for y in range(im.height):
    if im.getpixel((3, y)) == (0x22, 0x44, 0x88):
        print(y)
        break
EOF
}
# Presses at ($1,$2), moves to ($3,$4) in small steps and releases.
drag_mouse() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep 0.1
    local i
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}
# Blocks of a scene file without their ids, in a stable order: what placement decides.
layout() {
    $PY - "$1" <<'EOF'
import json, sys
blocks = json.load(open(sys.argv[1]))
rows = sorted((b["laneId"], b["eventData"]["blockStart"], json.dumps(b["eventData"], sort_keys=True))
              for b in blocks)
print(json.dumps(rows))
EOF
}

# --- 1. Import, insert, drag, select, copy, paste, undo, redo ------------------------------
A=$(start_editor first)
PIDS+=("$A")
MAIN=$(wait_window "$TITLE" 60) || { fail "the editor did not open the project"; cat "$WORK/first.log"; exit 1; }
sleep 1
file_dialog "Choose Event JSON File" "$MAIN" ctrl+o "$DEMO" && dismiss_box && pass "demo scene imported" \
    || fail "the demo scene was not imported"
sleep 0.5

TOP=$(ruler_top)
if [ -z "$TOP" ]; then fail "no ruler on screen"; exit 1; fi
LANES=$((TOP + 28))
LANE() { echo $((LANES + ($1 - 1) * 64 + 32)); }

# The first button of the insert row: a picture block at frame 0 on lane 1.
xdotool mousemove 24 $((TOP - 22)) click 1
sleep 1
# 40 pixels right (10 frames) and one lane down.
drag_mouse 120 "$(LANE 1)" 160 "$(LANE 2)"
# Shift-click the block at frames 60-300 of lane 3 (a 4-pixel frame): the selection spans it and
# the picture, now at 600-660 on lane 2.
xdotool keydown shift mousemove 700 "$(( $(LANE 3) - 20 ))" click 1 keyup shift
sleep 0.4
keys_to "$MAIN" ctrl+c
sleep 0.5
if xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx "application/vignetta-timeline"; then
    COPIED=$(xclip -selection clipboard -t application/vignetta-timeline -o 2>/dev/null)
    COUNT=$(echo "$COPIED" | $PY -c 'import json,sys; print(len(json.load(sys.stdin)))')
    if [ "$COUNT" = "2" ]; then pass "Shift-click selected two blocks and Copy put them on the clipboard"
    else fail "the clipboard holds $COUNT blocks, expected 2"; fi
else
    fail "Copy put no timeline blocks on the clipboard"
fi
# Empty space of lane 1 (where the picture was), then Paste at the cursor (frame 0).
xdotool mousemove 100 "$(LANE 1)" click 1
sleep 0.3
keys_to "$MAIN" ctrl+v
sleep 1.5
keys_to "$MAIN" ctrl+z
sleep 0.7
keys_to "$MAIN" ctrl+z
sleep 0.7
keys_to "$MAIN" ctrl+shift+z
sleep 0.5

EXPORT="$WORK/export.json"
file_dialog "Export Event" "$MAIN" ctrl+s "$EXPORT" && dismiss_box
if [ ! -s "$EXPORT" ]; then
    fail "Export Event wrote nothing"; cat "$WORK/first.log"
else
    # The state after the drag: the picture inserted at frame 0 on lane 1 (pushing lane 1's
    # block later), then moved to frame 10 of lane 2, where it goes past the block running
    # there and pushes the later one. The picture's own fields come from the export.
    $PY - "$EXPORT" "$WORK/picture.json" <<'EOF'
import json, sys
blocks = json.load(open(sys.argv[1]))
pic = max(blocks, key=lambda b: b["blockId"])
pic["eventData"]["blockStart"] = 0
pic["laneId"] = 1
json.dump([pic], open(sys.argv[2], "w"))
EOF
    "$BIN/vignetta-cli" insert "$DEMO" "$WORK/picture.json" --frame 0 --lane 1 >"$WORK/step1.json"
    $PY - "$WORK/step1.json" "$WORK/without.json" <<'EOF'
import json, sys
blocks = json.load(open(sys.argv[1]))
top = max(b["blockId"] for b in blocks)
json.dump([b for b in blocks if b["blockId"] != top], open(sys.argv[2], "w"))
EOF
    "$BIN/vignetta-cli" insert "$WORK/without.json" "$WORK/picture.json" --frame 10 --lane 2 \
        >"$WORK/expected.json"
    if [ "$(layout "$EXPORT")" = "$(layout "$WORK/expected.json")" ]; then
        pass "exported scene equals the ripple insertion computed by vignetta-cli"
    else
        fail "exported scene differs from the expected one"
        diff <(layout "$EXPORT" | tr ']' '\n') <(layout "$WORK/expected.json" | tr ']' '\n') | head -20
    fi
    PIC_START=$($PY -c 'import json,sys; b=max(json.load(open(sys.argv[1])), key=lambda b: b["blockId"]); print(b["laneId"], b["eventData"]["blockStart"])' "$EXPORT")
    [ "$PIC_START" = "2 600" ] && pass "the dragged picture landed after the running block (lane 2, frame 600)" \
        || fail "the dragged picture is at lane/frame $PIC_START"
fi

keys_to "$MAIN" ctrl+shift+c
sleep 1
dismiss_box >/dev/null 2>&1
xclip -selection clipboard -t application/fable-EventCommand -o >"$WORK/events.json" 2>/dev/null
"$BIN/vignetta-cli" convert "$EXPORT" >"$WORK/events_expected.json"
if [ -s "$WORK/events.json" ] && cmp -s <(head -c -1 "$WORK/events_expected.json") "$WORK/events.json"; then
    pass "Copy As Event equals vignetta-cli convert of the export"
else
    fail "Copy As Event differs from vignetta-cli convert"
fi

# --- 2. Paste into a second running editor ---------------------------------------------------
# The first editor copies the block at frames 60-300 of lane 3.
xdotool mousemove 700 "$(( $(LANE 3) - 20 ))" click 1
sleep 0.3
keys_to "$MAIN" ctrl+c
sleep 0.5
B=$(start_editor second)
PIDS+=("$B")
sleep 2
SECOND=""
for _ in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null); do
        [ "$id" != "$MAIN" ] && SECOND=$id
    done
    [ -n "$SECOND" ] && break
    sleep 0.3
done
if [ -z "$SECOND" ]; then
    fail "the second editor did not open"
else
    sleep 1
    xdotool windowfocus --sync "$SECOND" 2>/dev/null
    xdotool mousemove 800 "$(LANE 1)" click 1
    sleep 0.3
    keys_to "$SECOND" ctrl+v
    sleep 1
    file_dialog "Export Event" "$SECOND" ctrl+s "$WORK/second.json" && dismiss_box
    if [ -s "$WORK/second.json" ] && $PY - "$WORK/second.json" <<'EOF'
import json, sys
blocks = json.load(open(sys.argv[1]))
ok = (len(blocks) == 1 and blocks[0]["laneId"] == 1 and blocks[0]["eventData"]["blockStart"] == 0
      and blocks[0]["eventData"]["blockDelay"] == 240)
sys.exit(0 if ok else 1)
EOF
    then
        pass "the second editor pasted the block copied in the first"
    else
        fail "the second editor did not paste the copied block"; cat "$WORK/second.json" 2>/dev/null | head -c 300; echo
    fi
fi

if grep -q "TypeError\|ReferenceError\|Cannot assign" "$WORK/first.log" "$WORK/second.log"; then
    fail "script errors in the log"; grep "TypeError\|ReferenceError\|Cannot assign" "$WORK"/*.log | head
else
    pass "no script errors"
fi

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
