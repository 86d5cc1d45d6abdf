#!/bin/bash
# Playback and the preview in the real editor under Xvfb, with the bundled sample project:
#  1. Import the demo scene and press the tool row's Play button: the cursor runs, stands at the
#     first message's frame (330) while the message window plays, goes on after Z and stands
#     again at the second message (420). Pause.
#  2. Still frames taken from the screen (a picture, a message window, a flash, a fade) equal
#     vignetta-cli render of the same frames, pixel for pixel; so does the screen while the
#     first message held the cursor, apart from the message window, which shows there.
# With VIGNETTA_E2E_SHOTS=DIR the screenshots are kept in DIR.
# Arguments: the bin directory and the source directory.
set -u
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
place_window
SHOTS="${VIGNETTA_E2E_SHOTS:-$WORK/shots}"
mkdir -p "$SHOTS"

cp -r "$SAMPLE" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
DEMO="$WORK/Sample/scenes/demo.json"
WIDTH=1600

shot() { import -window root "$1"; }

# Image helpers: "cursor FILE TOP PPF" prints the cursor's frame (from the green cursor line in
# the lanes, the timeline scrolled to its start); "locate FILE RENDER" prints where the game
# screen RENDER lies on the screenshot; "compare FILE RENDER X Y [MASK]" prints the pixels that
# differ, outside and inside the message window when MASK is given.
cat >"$WORK/images.py" <<'EOF'
import sys
import numpy as np
from PIL import Image

def load(path):
    return np.asarray(Image.open(path).convert("RGB")).astype(int)

command = sys.argv[1]
if command == "cursor":
    screen, top, ppf = load(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    row = screen[top + 28 + 10]
    xs = np.where((row[:, 0] == 0) & (row[:, 1] == 255) & (row[:, 2] == 0))[0]
    print(xs[0] // ppf if len(xs) else -1)
elif command == "locate":
    screen, render = load(sys.argv[2]), load(sys.argv[3])
    h, w = render.shape[:2]
    for y in range(0, screen.shape[0] - h):
        for x in range(0, 400):
            if (screen[y, x] == render[0, 0]).all() and (screen[y + h - 1, x + w - 1] == render[h - 1, w - 1]).all() \
                    and (screen[y + h // 2, x:x + w] == render[h // 2]).all():
                print(x, y)
                sys.exit(0)
    print("-1 -1")
elif command == "compare":
    screen, render = load(sys.argv[2]), load(sys.argv[3])
    x, y = int(sys.argv[4]), int(sys.argv[5])
    h, w = render.shape[:2]
    differ = (screen[y:y + h, x:x + w] != render).any(axis=2)
    if len(sys.argv) > 6:
        mx, my, mw, mh = (int(v) for v in sys.argv[6].split(","))
        inside = differ[my:my + mh, mx:mx + mw].sum()
        differ[my:my + mh, mx:mx + mw] = False
        print(differ.sum(), inside)
    else:
        print(differ.sum())
EOF
images() { $PY "$WORK/images.py" "$@"; }
render() { "$BIN/vignetta-cli" render --project "$WORK/Sample" "$DEMO" --frame "$1" -o "$2" >/dev/null; }

cursor_now() { shot "$WORK/cursor.png"; images cursor "$WORK/cursor.png" "$TOP" "$1"; }
# Waits up to $2 seconds for the cursor to reach frame $1 or beyond.
wait_frame() {
    local deadline=$((SECONDS + $2)) frame
    while [ $SECONDS -lt $deadline ]; do
        frame=$(cursor_now 1)
        [ "$frame" -ge "$1" ] && { echo "$frame"; return 0; }
        sleep 0.2
    done
    echo "$frame"
    return 1
}

# --- 1. Playback -----------------------------------------------------------------------------
open_and_import "$PROJECT" "$DEMO"
BAR=$((TOP - 22))

# The tool row (right-aligned, 344 wide): Play is its fifth button, Pause the sixth, Shrink the
# seventh. Shrunk to a pixel a frame, the whole scene fits the view: the cursor is read from the
# screen without scrolling, and every frame is a click on the ruler.
xdotool mousemove $((WIDTH - 112)) "$BAR" click 1
sleep 0.8
xdotool mousemove $((WIDTH - 192)) "$BAR" click 1
FIRST=$(wait_frame 30 10) && pass "Play runs the cursor (frame $FIRST)" || fail "the cursor did not move: $FIRST"
HELD=$(wait_frame 330 20)
if [ "$HELD" = "330" ]; then
    sleep 1.5
    shot "$SHOTS/hold_330.png"
    AGAIN=$(images cursor "$SHOTS/hold_330.png" "$TOP" 1)
    [ "$AGAIN" = "330" ] && pass "the cursor holds at the first message (frame 330)" \
        || fail "the cursor went on to $AGAIN without input"
else
    fail "the cursor did not stop at frame 330 ($HELD)"
fi
keys_to "$MAIN" z
NEXT=$(wait_frame 331 5) && pass "Z lets the cursor go on (frame $NEXT)" || fail "Z did not release the cursor ($NEXT)"
SECOND=$(wait_frame 420 10)
sleep 1
LATER=$(cursor_now 1)
[ "$SECOND" = "420" ] && [ "$LATER" = "420" ] && pass "the second message holds the cursor at frame 420" \
    || fail "the cursor did not hold at frame 420 ($SECOND, then $LATER)"
xdotool mousemove $((WIDTH - 152)) "$BAR" click 1
sleep 0.5
A=$(cursor_now 1); sleep 0.5; B=$(cursor_now 1)
[ "$A" = "$B" ] && pass "Pause stops the cursor" || fail "the cursor runs after Pause ($A, $B)"

# --- 2. Still frames against vignetta-cli render -------------------------------------------
# The held screen: pictures as at frame 330, the message window over them.
render 330 "$WORK/r330.png"
$PY - "$DEMO" "$WORK/bare.json" <<'EOF'
import json, sys
blocks = [b for b in json.load(open(sys.argv[1])) if b["eventData"]["blockMode"] not in (1, 7)]
json.dump(blocks, open(sys.argv[2], "w"))
EOF
"$BIN/vignetta-cli" render --project "$WORK/Sample" "$WORK/bare.json" --frame 330 -o "$WORK/bare330.png" >/dev/null
read -r SX SY < <(images locate "$SHOTS/hold_330.png" "$WORK/bare330.png")
if [ "$SX" = "-1" ]; then
    # The message window covers the middle row searched; find the screen by a still frame.
    read -r SX SY < <(images locate "$SHOTS/hold_330.png" "$WORK/r330.png")
fi
MESSAGE="8,456,796,160"
if [ "$SX" != "-1" ]; then
    read -r OUTSIDE INSIDE < <(images compare "$SHOTS/hold_330.png" "$WORK/bare330.png" "$SX" "$SY" "$MESSAGE")
    [ "$OUTSIDE" = "0" ] && [ "$INSIDE" -gt 20000 ] \
        && pass "held at frame 330: the screen is frame 330 with the message window over it" \
        || fail "held at frame 330: $OUTSIDE pixels differ outside the window, $INSIDE inside"
else
    fail "the game screen was not found on the screenshot of the hold"
fi

for case in "150 picture" "335 message" "500 flash" "945 fade"; do
    set -- $case
    xdotool mousemove "$1" $((TOP + 8)) click 1
    sleep 0.8
    shot "$SHOTS/frame_$1_$2.png"
    render "$1" "$WORK/r$1.png"
    AT=$(images cursor "$SHOTS/frame_$1_$2.png" "$TOP" 1)
    if [ "$AT" != "$1" ]; then
        fail "the ruler click put the cursor at $AT, not $1"
        continue
    fi
    if [ "$2" = "message" ]; then
        read -r OUTSIDE INSIDE < <(images compare "$SHOTS/frame_$1_$2.png" "$WORK/r$1.png" "$SX" "$SY" "$MESSAGE")
        # The message layer may differ only where fonts are drawn differently.
        [ "$OUTSIDE" = "0" ] && [ "$INSIDE" -lt 3000 ] \
            && pass "frame $1 ($2) equals vignetta-cli render ($INSIDE pixels of the message layer differ)" \
            || fail "frame $1 ($2): $OUTSIDE pixels differ outside the message window, $INSIDE inside"
    else
        DIFF=$(images compare "$SHOTS/frame_$1_$2.png" "$WORK/r$1.png" "$SX" "$SY")
        [ "$DIFF" = "0" ] && pass "frame $1 ($2) equals vignetta-cli render" \
            || fail "frame $1 ($2): $DIFF pixels differ from vignetta-cli render"
    fi
done

check_script_errors
e2e_finish
