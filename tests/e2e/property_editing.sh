#!/bin/bash
# Editing a picture through the real editor under Xvfb, with the bundled sample project and its
# demo scene: a picture block (Lena, frames 300-840 on lane 3) is clicked on the timeline with
# the cursor at its first frame; in the property panel its start opacity becomes 128 and its end
# X 400. The preview changes where the picture is (and not above it); Copy As Event carries the
# new values; each edit is one undo step, and undoing both (from the tool row) gives back the
# original command list byte for byte. Then the start frame is dragged 40 pixels right on the
# preview: the picture editor takes the new positions, and one Ctrl+Z takes the drag back.
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
PID=""
cleanup() {
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$WORK/config"
export XDG_DATA_HOME="$WORK/data"
mkdir -p "$XDG_CONFIG_HOME/VignettaWorks" "$XDG_DATA_HOME"
printf '[General]\nwindowX=0\nwindowY=0\nwindowWidth=1600\nwindowHeight=1000\n' \
    >"$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"

PASSED=0
FAILED=0
pass() { echo "PASS: $1"; PASSED=$((PASSED + 1)); }
fail() { echo "FAIL: $1"; FAILED=$((FAILED + 1)); }
PY=/usr/bin/python3

cp -r "$SRC/sample/SampleProject" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
DEMO="$WORK/Sample/scenes/demo.json"
TITLE="Meadow Morning - Vignetta"

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
click() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.5; }
# Copy As Event, read from the clipboard while the program runs, into file $1.
copy_as_event() {
    rm -f "$1"
    keys_to "$MAIN" ctrl+shift+c
    sleep 1
    dismiss_box >/dev/null 2>&1
    xclip -selection clipboard -t application/fable-EventCommand -o >"$1" 2>/dev/null
}
# Types $3 into the spin box at ($1, $2) of the property panel and confirms it.
set_field() {
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$3"
    xdotool key Return
    sleep 0.6
}
# Block 11 (Lena, picture 5) in the command list $1: the position and opacity of its Show Picture
# (231, the second showing of picture 5) and where its last Move Picture (232) before the next
# showing ends: "show: X Y OPACITY  move: X Y".
lena() {
    $PY - "$1" <<'EOF'
import json, sys
commands = json.load(open(sys.argv[1]))
shows = [i for i, c in enumerate(commands) if c["code"] == 231 and c["parameters"][0] == 5]
if len(shows) < 3:
    print("none")
    sys.exit(0)
show = commands[shows[1]]["parameters"]
moves = [c["parameters"] for c in commands[shows[1]:shows[2]]
         if c["code"] == 232 and c["parameters"][0] == 5]
move = moves[-1] if moves else [None] * 6
print("show: %s %s %s  move: %s %s" % (show[4], show[5], show[8], move[4], move[5]))
EOF
}
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
# "locate SHOT RENDER": where the game screen lies on the screenshot (found by the rows above
# the picture, which its frames do not cross). "changed A B X Y": the pixels of the game screen
# at (X, Y) that differ between screenshots A and B, inside the picture's rectangle (150, 244,
# 200, 340) and above the picture (where neither the picture nor its frames are).
cat >"$WORK/images.py" <<'EOF'
import sys
import numpy as np
from PIL import Image

def load(path):
    return np.asarray(Image.open(path).convert("RGB")).astype(int)

if sys.argv[1] == "locate":
    screen, render = load(sys.argv[2]), load(sys.argv[3])
    h, w = render.shape[:2]
    for y in range(0, screen.shape[0] - h):
        for x in range(0, 400):
            if (screen[y, x] == render[0, 0]).all() and (screen[y:y + 200, x:x + w] == render[:200]).all():
                print(x, y)
                sys.exit(0)
    print("-1 -1")
else:
    a, b = load(sys.argv[2]), load(sys.argv[3])
    x, y = int(sys.argv[4]), int(sys.argv[5])
    differ = (a[y:y + 624, x:x + 816] != b[y:y + 624, x:x + 816]).any(axis=2)
    print(differ[244:584, 150:350].sum(), differ[0:230].sum())
EOF
images() { $PY "$WORK/images.py" "$@"; }

"$BIN/vignetta" "$PROJECT" >"$WORK/editor.log" 2>&1 &
PID=$!
MAIN=$(wait_window "$TITLE" 60) || { fail "the editor did not open the project"; cat "$WORK/editor.log"; exit 1; }
sleep 1
keys_to "$MAIN" ctrl+o
DIALOG=$(wait_window "Choose Event JSON File" 20) || { keys_to "$MAIN" ctrl+o; DIALOG=$(wait_window "Choose Event JSON File" 20); }
keys_to "$DIALOG" ctrl+a
xdotool type --delay 5 "$DEMO"
xdotool key Return
wait_gone "Choose Event JSON File" 10
dismiss_box && pass "demo scene imported" || fail "the demo scene was not imported"
sleep 0.5
TOP=$(ruler_top)
[ -n "$TOP" ] || { fail "no ruler on screen"; exit 1; }
LANE3=$((TOP + 28 + 2 * 64 + 12))

# Empty lane space (the import leaves its blocks selected), the cursor to frame 300, the block.
select_lena() {
    click 100 "$LANE3"
    click 1300 "$LANE3"
}
select_lena
click 1200 $((TOP + 8))
copy_as_event "$WORK/original.json"
[ "$(lena "$WORK/original.json")" = "show: 150 244 255  move: 160 244" ] \
    && pass "the original list shows Lena at (150, 244), opacity 255, moving to (160, 244)" \
    || fail "unexpected original list: $(lena "$WORK/original.json")"

"$BIN/vignetta-cli" render --project "$WORK/Sample" "$DEMO" --frame 300 -o "$WORK/r300.png" >/dev/null
import -window root "$WORK/before.png"
read -r SX SY < <(images locate "$WORK/before.png" "$WORK/r300.png")
[ "$SX" != "-1" ] && pass "the preview shows frame 300 as vignetta-cli renders it" \
    || fail "frame 300 was not found on the screen"

# The picture editor's fields (property panel from x 1100): Start Blend Opacity, End X.
set_field 1175 413 128
set_field 1175 530 400
import -window root "$WORK/after.png"
if [ "$SX" != "-1" ]; then
    read -r INSIDE OUTSIDE < <(images changed "$WORK/before.png" "$WORK/after.png" "$SX" "$SY")
    [ "$INSIDE" -gt 10000 ] && [ "$OUTSIDE" = "0" ] \
        && pass "the preview changed in the picture's area ($INSIDE pixels), not above it" \
        || fail "preview pixels changed: $INSIDE in the picture's area, $OUTSIDE above it"
fi
copy_as_event "$WORK/edited.json"
[ "$(lena "$WORK/edited.json")" = "show: 150 244 128  move: 400 244" ] \
    && pass "Copy As Event: Show Picture with opacity 128, Move Picture to x 400" \
    || fail "after the edits: $(lena "$WORK/edited.json")"

# Undo from the timeline's tool row: Ctrl+Z in the spin box still holding the focus would undo
# the typing in the field instead.
undo() { click 1276 $((TOP - 22)); sleep 0.3; }
undo
copy_as_event "$WORK/undo1.json"
[ "$(lena "$WORK/undo1.json")" = "show: 150 244 128  move: 160 244" ] \
    && pass "one Undo takes back the last edit (end X) only" \
    || fail "after one Undo: $(lena "$WORK/undo1.json")"
undo
copy_as_event "$WORK/undo2.json"
cmp -s "$WORK/original.json" "$WORK/undo2.json" \
    && pass "a second Undo gives back the original list, byte for byte" \
    || fail "after two Undos the list differs from the original"

# --- The start frame dragged on the preview ---------------------------------------------
if [ "$SX" != "-1" ]; then
    select_lena
    # The start frame's name tag lies at the picture's start position.
    X=$((SX + 154)); Y=$((SY + 248))
    xdotool mousemove "$X" "$Y" mousedown 1
    sleep 0.2
    for i in 1 2 3 4 5 6 7 8; do xdotool mousemove $((X + 5 * i)) "$Y"; sleep 0.05; done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.8
    copy_as_event "$WORK/dragged.json"
    [ "$(lena "$WORK/dragged.json")" = "show: 190 244 255  move: 200 244" ] \
        && pass "dragging the start frame 40 pixels right moves both positions by 40" \
        || fail "after the drag: $(lena "$WORK/dragged.json")"
    keys_to "$MAIN" ctrl+z
    sleep 0.5
    copy_as_event "$WORK/undo3.json"
    cmp -s "$WORK/original.json" "$WORK/undo3.json" && pass "the drag is one undo step" \
        || fail "one Undo after the drag: $(lena "$WORK/undo3.json")"
fi

if grep -E "qrc:/qml/.*(Error|TypeError|ReferenceError|is not a function|Cannot read)" "$WORK/editor.log"; then
    fail "script errors in the editor's log"
else
    pass "no script errors"
fi
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
