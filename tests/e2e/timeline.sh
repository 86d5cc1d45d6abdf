#!/bin/bash
# The timeline in the real editor under Xvfb, driven with the mouse and keys: Import Event of the
# demo scene, a picture block from the insert row dragged 40 pixels right and one lane down, a
# Shift-click, Copy, another lane, Paste, Undo twice and Redo once (the platform's Redo key,
# Ctrl+Shift+Z here; Ctrl+Y on Windows); the exported scene is checked
# against the command-line tool's ripple insertion, and Copy As Event against its conversion.
# Then a second editor pastes the blocks the first one copied.
# Arguments: the bin directory and the source directory.
set -u
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

cp -r "$SAMPLE" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
DEMO="$SAMPLE/scenes/demo.json"

# Starts an editor with settings of its own, named $1 (window at 0,0, 1600 x 1000); its pid
# goes to PID.
start_named_editor() {
    place_window "$WORK/$1/config"
    mkdir -p "$WORK/$1/data"
    XDG_CONFIG_HOME="$WORK/$1/config" XDG_DATA_HOME="$WORK/$1/data" start_editor "$PROJECT"
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
start_named_editor first
MAIN=$(wait_window "$MAIN_TITLE" 60) || { fail "the editor did not open the project"; cat "$EDITOR_LOG"; exit 1; }
sleep 1
import_event "$DEMO" && pass "demo scene imported" || fail "the demo scene was not imported"
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
if clipboard TARGETS | grep -qx "application/vignetta-timeline"; then
    COPIED=$(clipboard application/vignetta-timeline)
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
export_event "$EXPORT"
if [ ! -s "$EXPORT" ]; then
    fail "Export Event wrote nothing"; cat "$EDITOR_LOG"
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

copy_as_event "$WORK/events.json"
if same_as_conversion "$WORK/events.json" "$EXPORT"; then
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
start_named_editor second
sleep 2
SECOND=""
for _ in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --name "^$MAIN_TITLE\$" 2>/dev/null); do
        [ "$id" != "$MAIN" ] && SECOND=$id
    done
    [ -n "$SECOND" ] && break
    sleep 0.3
done
if [ -z "$SECOND" ]; then
    fail "the second editor did not open"
else
    sleep 1
    focus "$SECOND"
    xdotool mousemove 800 "$(LANE 1)" click 1
    sleep 0.3
    keys_to "$SECOND" ctrl+v
    sleep 1
    export_event "$WORK/second.json" "$SECOND"
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

if grep -q "TypeError\|ReferenceError\|Cannot assign" "$EDITOR_LOG"; then
    fail "script errors in the log"; grep "TypeError\|ReferenceError\|Cannot assign" "$EDITOR_LOG" | head
else
    pass "no script errors"
fi

e2e_finish
