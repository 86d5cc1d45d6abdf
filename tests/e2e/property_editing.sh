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
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
place_window

cp -r "$SAMPLE" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
DEMO="$WORK/Sample/scenes/demo.json"

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

open_and_import "$PROJECT" "$DEMO"
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
    drag_mouse "$X" "$Y" $((X + 40)) "$Y"
    sleep 0.3
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

check_script_errors
e2e_finish
