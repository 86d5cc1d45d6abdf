#!/bin/bash
# The scene survives a crash: the real editor under Xvfb with the bundled sample project.
#  1. Import the demo scene, insert two blocks, drag the first with the mouse, export: the
#     recovery file follows the scene
#     (vignetta-cli reads it as the same scene) and the export leaves it alone; kill -9.
#  2. Start again: the restore question comes; Yes brings back the scene (Copy As Event equal
#     to the one taken before the kill); another kill -9 keeps the file.
#  3. Start again and answer No: the file is gone; the next edit writes it again, and Exit
#     with Yes removes it.
#  4. Start again: nothing is asked; New Timeline with Yes removes the file of a new edit.
# Arguments: the bin directory and the source directory.
set -u
BIN=$(cd "$1" && pwd)
SRC=$(cd "$2" && pwd)

if [ -z "${VIGNETTA_E2E_INNER:-}" ]; then
    export VIGNETTA_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" "$BIN" "$SRC"
fi

WORK=$(mktemp -d)
PID=""
cleanup() {
    [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$WORK/config"
export XDG_DATA_HOME="$WORK/data"
export QTWEBENGINE_DISABLE_SANDBOX=1
mkdir -p "$XDG_CONFIG_HOME/VignettaWorks" "$XDG_DATA_HOME"
# The window at the top left, so that the timeline's blocks are at known places on the screen.
printf '[General]\nwindowX=0\nwindowY=0\nwindowWidth=1600\nwindowHeight=1000\n' \
    >"$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"
RECOVERY="$XDG_DATA_HOME/VignettaWorks/Vignetta/Recovery"

PASSED=0
FAILED=0
pass() { echo "PASS: $1"; PASSED=$((PASSED + 1)); }
fail() { echo "FAIL: $1"; FAILED=$((FAILED + 1)); }

cp -r "$SRC/sample/SampleProject" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
SCENE="$WORK/Sample/scenes/demo.json"
GAME_TITLE=$(/usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["gameTitle"])' \
    "$WORK/Sample/data/System.json")
MAIN_TITLE="$GAME_TITLE - Vignetta"

# Waits up to $2 seconds for a visible window whose whole title is $1; prints its id.
wait_window() {
    local pattern="^$1\$" deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1)
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

# Message boxes are titled with the application title alone; $1 is the key that answers.
answer_box() {
    local box
    box=$(wait_window "Vignetta" 10) || return 1
    keys_to "$box" "$1"
    wait_gone "Vignetta" 5
}

# Starts the editor (with the arguments given) and waits for the project's window.
start_editor() {
    "$BIN/vignetta" "$@" >>"$WORK/stderr.log" 2>&1 &
    PID=$!
    MAIN=$(wait_window "$MAIN_TITLE" 60)
}

kill_editor() {
    kill -9 "$PID" 2>/dev/null
    wait "$PID" 2>/dev/null
    PID=""
}

exit_editor() {
    keys_to "$MAIN" ctrl+q
    answer_box y
    for _ in $(seq 1 30); do kill -0 "$PID" 2>/dev/null || break; sleep 0.3; done
    if kill -0 "$PID" 2>/dev/null; then fail "Exit with Yes did not end the program"; kill_editor; fi
    wait "$PID" 2>/dev/null
    PID=""
}

# Insert menu: Right Right from the File menu; the menu opens on "New Lane". $@: the keys
# that pick the item ("Down" is Show Picture Event, eight times "Down" the Marker).
insert_item() {
    xdotool windowfocus --sync "$MAIN" 2>/dev/null
    xdotool mousemove --window "$MAIN" 12 10 click 1
    sleep 0.8
    xdotool key Right Right
    sleep 0.5
    xdotool key "$@" Return
    sleep 0.5
}

# Copy As Event, read from the clipboard while the program runs, into file $1.
copy_as_event() {
    keys_to "$MAIN" ctrl+shift+c
    sleep 1
    answer_box Return >/dev/null 2>&1
    xclip -selection clipboard -t application/fable-EventCommand -o >"$1" 2>/dev/null
}

# The top of the timeline's ruler band: the first row whose left pixel has the ruler's colour.
ruler_top() {
    import -window root "$WORK/screen.png"
    /usr/bin/python3 - "$WORK/screen.png" <<'EOF'
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

recovery_files() { ls "$RECOVERY"/*.json 2>/dev/null; }

# Runs "$@" every 0.3 s until it succeeds, for at most $1 seconds (a write follows an edit
# within a second, later on a loaded machine).
wait_until() {
    local deadline=$((SECONDS + $1)); shift
    while [ $SECONDS -lt $deadline ]; do
        "$@" && return 0
        sleep 0.3
    done
    "$@"
}
has_recovery_file() { [ -n "$(recovery_files)" ]; }
no_recovery_file() { [ -z "$(recovery_files)" ]; }
# The recovery file $1 holds the scene whose Copy As Event is in file $2.
holds_scene() {
    [ -f "$1" ] && "$BIN/vignetta-cli" convert "$1" 2>/dev/null | head -c -1 | cmp -s - "$2"
}

# --- 1. Edit, export, crash ------------------------------------------------------------------
start_editor "$PROJECT"
if [ -z "$MAIN" ]; then fail "no window titled '$MAIN_TITLE'"; cat "$WORK/stderr.log"; exit 1; fi
keys_to "$MAIN" ctrl+o
DIALOG=$(wait_window "Choose Event JSON File" 20)
keys_to "$DIALOG" ctrl+a
xdotool type --delay 5 "$SCENE"
xdotool key Return
wait_gone "Choose Event JSON File" 10
answer_box Return || fail "no confirmation after the import"
insert_item Down
insert_item Down Down Down Down Down Down Down Down
# The new picture (frames 0-60 of lane 1, 4 pixels a frame) dragged 10 frames later, one lane
# down.
copy_as_event "$WORK/undragged.json"
TOP=$(ruler_top)
if [ -n "$TOP" ]; then
    drag_mouse 120 $((TOP + 28 + 32)) 160 $((TOP + 28 + 64 + 32))
else
    fail "no timeline ruler on the screen"
fi
copy_as_event "$WORK/before.json"
if [ -s "$WORK/before.json" ] && ! cmp -s "$WORK/undragged.json" "$WORK/before.json"; then
    pass "the inserted picture was dragged with the mouse"
else
    fail "the drag did not change the scene"
fi
wait_until 10 has_recovery_file
FILE=$(recovery_files | head -1)
if [ -n "$FILE" ] && [ "$(recovery_files | wc -l)" -eq 1 ]; then
    pass "one recovery file for the project: $(basename "$FILE")"
else
    fail "recovery files: [$(recovery_files)]"
fi
if [ -s "$WORK/before.json" ] && wait_until 10 holds_scene "$FILE" "$WORK/before.json"; then
    pass "vignetta-cli converts the recovery file to the scene's Copy As Event"
else
    fail "the recovery file's scene differs from the editor's"
    "$BIN/vignetta-cli" convert "$FILE" 2>&1 | head -c 300
fi
if "$BIN/vignetta-cli" check "$FILE" | grep -q ": ok, 41 blocks"; then
    pass "vignetta-cli check reads the recovery file (39 imported + 2 inserted blocks)"
else
    fail "vignetta-cli check: $("$BIN/vignetta-cli" check "$FILE" 2>&1)"
fi

keys_to "$MAIN" ctrl+s
DIALOG=$(wait_window "Export Event" 20)
keys_to "$DIALOG" ctrl+a
xdotool type --delay 5 "$WORK/exported.json"
xdotool key Return
wait_gone "Export Event" 10
answer_box Return
if [ -s "$WORK/exported.json" ] && [ -f "$FILE" ]; then pass "Export Event leaves the recovery file"; else
    fail "after the export: exported [$(ls "$WORK"/exported.json 2>&1)] recovery [$(recovery_files)]"; fi

kill_editor
if [ -f "$FILE" ]; then pass "kill -9 leaves the recovery file"; else fail "the recovery file went with the crash"; fi

# --- 2. Restart: Yes brings the scene back ---------------------------------------------------
start_editor
[ -n "$MAIN" ] || fail "the remembered project did not open again"
if answer_box y; then pass "the restore question came"; else fail "no restore question"; fi
sleep 0.5
copy_as_event "$WORK/restored.json"
if [ -s "$WORK/restored.json" ] && cmp -s "$WORK/before.json" "$WORK/restored.json"; then
    pass "Yes: Copy As Event equals the one taken before the kill"
else
    fail "the restored scene differs: $(wc -c <"$WORK/restored.json") bytes against $(wc -c <"$WORK/before.json")"
fi
wait_until 10 holds_scene "$FILE" "$WORK/before.json"
kill_editor
if holds_scene "$FILE" "$WORK/before.json"; then
    pass "a second crash keeps the restored scene on disk"
else
    fail "the recovery file is gone or changed after the second crash"
fi

# --- 3. Restart: No removes the file; Exit removes the next one -----------------------------
start_editor
if answer_box n; then
    if wait_until 5 no_recovery_file; then pass "No: the recovery file is gone"; else
        fail "No left [$(recovery_files)]"; fi
else
    fail "no restore question in the third run"
fi
insert_item Down
if wait_until 10 has_recovery_file; then pass "the next edit is written again"; else
    fail "no recovery file after an edit following No"; fi
exit_editor
if [ -z "$(ls "$RECOVERY" 2>/dev/null)" ]; then pass "Exit with Yes removes the recovery file and its lock"; else
    fail "after Exit: [$(ls "$RECOVERY")]"; fi

# --- 4. Restart: nothing asked; New Timeline removes the file -------------------------------
start_editor
sleep 3
if xdotool search --onlyvisible --name "^Vignetta\$" >/dev/null 2>&1; then
    fail "a question came with no recovery file"
else
    pass "nothing asked after a clean exit"
fi
insert_item Down
wait_until 10 has_recovery_file || fail "no recovery file after an edit"
keys_to "$MAIN" ctrl+n
answer_box y
# Gone, and not written back by a write that waited (one second and more).
sleep 1.5
if no_recovery_file; then pass "New Timeline with Yes removes the recovery file"; else
    fail "after New Timeline: [$(recovery_files)]"; fi
kill_editor

if grep -q "recovery" "$WORK/stderr.log"; then
    fail "recovery warnings on standard error:"; grep -i recovery "$WORK/stderr.log"
fi
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
