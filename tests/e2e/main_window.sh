#!/bin/bash
# The real editor under Xvfb with the bundled sample project: window title, Import Event of
# the demo scene followed by Copy As Event (compared with the command-line conversion), a
# project missing its system table, and the exit question.
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
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
# The real program on the X server xvfb-run started, whatever the caller's environment says.
export QT_QPA_PLATFORM=xcb
unset QT_QUICK_BACKEND
export XDG_CONFIG_HOME="$WORK/config"
export XDG_DATA_HOME="$WORK/data"
export QTWEBENGINE_DISABLE_SANDBOX=1
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

PASSED=0
FAILED=0
pass() { echo "PASS: $1"; PASSED=$((PASSED + 1)); }
fail() { echo "FAIL: $1"; FAILED=$((FAILED + 1)); }

SAMPLE_DIR="$SRC/sample/SampleProject"
SCENE="$SAMPLE_DIR/scenes/demo.json"
cp -r "$SAMPLE_DIR" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
GAME_TITLE=$(/usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["gameTitle"])' \
    "$WORK/Sample/data/System.json")

# Waits up to $2 seconds for a window whose whole title is $1; prints its id.
wait_window() {
    local pattern="^$1\$" deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.3
    done
    return 1
}

# Waits until no visible window has the title $1.
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

start_editor() {
    "$BIN/vignetta" "$@" >"$WORK/stderr.log" 2>&1 &
    PID=$!
}

stop_editor() {
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    wait "$PID" 2>/dev/null
    PID=""
}

# The visible window titled $1 that is narrower than every other one so titled, when at least
# $2 such windows are showing; nothing otherwise.
smallest_window() {
    local id width best="" bestWidth=999999 count=0
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        count=$((count + 1))
        width=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
        if [ -n "$width" ] && [ "$width" -lt "$bestWidth" ]; then best=$id; bestWidth=$width; fi
    done
    [ "$count" -ge "$2" ] && echo "$best"
}

# Message boxes are titled with the application title alone.
dismiss_box() {
    local box
    box=$(wait_window "Vignetta" 10) || return 1
    keys_to "$box" Return
    wait_gone "Vignetta" 5
}

# --- 1. Open the project from the File menu; title, import, copy as event -------------------
start_editor
START=$(wait_window "Vignetta" 60)
if [ -z "$START" ]; then fail "no window titled 'Vignetta' at first start"; cat "$WORK/stderr.log"; exit 1; fi
xdotool windowfocus --sync "$START" 2>/dev/null
xdotool mousemove --window "$START" 12 10 click 1
sleep 0.8
xdotool key Down Return
DIALOG=$(wait_window "Open FC Project" 20)
if [ -n "$DIALOG" ]; then
    keys_to "$DIALOG" ctrl+a
    xdotool type --delay 5 "$PROJECT"
    xdotool key Return
fi
MAIN=$(wait_window "$GAME_TITLE - Vignetta" 30)
if [ -n "$MAIN" ]; then pass "opened from the File menu, title reads '$GAME_TITLE - Vignetta'"; else
    fail "no window titled '$GAME_TITLE - Vignetta'"; cat "$WORK/stderr.log"; exit 1; fi

keys_to "$MAIN" ctrl+o
DIALOG=$(wait_window "Choose Event JSON File" 20)
if [ -z "$DIALOG" ]; then
    fail "Import Event opened no file dialog"
else
    keys_to "$DIALOG" ctrl+a
    xdotool type --delay 5 "$SCENE"
    xdotool key Return
    wait_gone "Choose Event JSON File" 10
    if dismiss_box && ! grep -q "The import has failed." "$WORK/stderr.log"; then
        pass "demo scene imported"
    else
        fail "no confirmation after import"
    fi
fi
sleep 0.5
dismiss_box >/dev/null 2>&1

keys_to "$MAIN" ctrl+shift+c
sleep 1
dismiss_box >/dev/null 2>&1
TARGETS=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null \
    | grep -v -x -e TARGETS -e MULTIPLE -e TIMESTAMP -e SAVE_TARGETS)
if [ "$TARGETS" = "application/fable-EventCommand" ]; then
    pass "clipboard holds exactly application/fable-EventCommand"
else
    fail "clipboard types: [$TARGETS]"
fi
xclip -selection clipboard -t application/fable-EventCommand -o >"$WORK/clipboard.json" 2>/dev/null
"$BIN/vignetta-cli" convert "$SCENE" >"$WORK/expected.json"
# The command-line tool ends its output with one line feed; the clipboard holds the bare text.
if [ -s "$WORK/expected.json" ] && cmp -s <(head -c -1 "$WORK/expected.json") "$WORK/clipboard.json"; then
    pass "clipboard bytes equal vignetta-cli convert"
else
    fail "clipboard bytes differ from vignetta-cli convert"
    head -c 300 "$WORK/clipboard.json"; echo; head -c 300 "$WORK/expected.json"; echo
fi

# --- 2. Exit asks; No keeps the program running ---------------------------------------------
keys_to "$MAIN" ctrl+q
BOX=$(wait_window "Vignetta" 10)
if [ -n "$BOX" ]; then
    keys_to "$BOX" n
    wait_gone "Vignetta" 5
    sleep 1
    if kill -0 "$PID" 2>/dev/null && xdotool search --onlyvisible --name "^$GAME_TITLE - Vignetta\$" >/dev/null; then
        pass "Exit asked, No kept the program running"
    else
        fail "the program ended after answering No"
    fi
    keys_to "$MAIN" ctrl+q
    BOX=$(wait_window "Vignetta" 10)
    keys_to "$BOX" y
    for _ in $(seq 1 30); do kill -0 "$PID" 2>/dev/null || break; sleep 0.3; done
    if kill -0 "$PID" 2>/dev/null; then fail "Yes did not end the program"; else
        pass "Yes ends the program"; PID=""; fi
else
    fail "Exit asked nothing"
fi
stop_editor

# --- 3. The last project opens again by itself ---------------------------------------------
start_editor
if wait_window "$GAME_TITLE - Vignetta" 60 >/dev/null; then pass "remembered project reopened"; else
    fail "remembered project not reopened"; fi
stop_editor

# --- 4. A project without data/System.json ------------------------------------------------
cp -r "$SAMPLE_DIR" "$WORK/Broken"
rm "$WORK/Broken/data/System.json"
start_editor "$WORK/Broken/Sample.fabproject"
# The main window and the message box are both titled "Vignetta"; the box is the smaller one.
BOX=""
for _ in $(seq 1 200); do
    BOX=$(smallest_window "Vignetta" 2)
    [ -n "$BOX" ] && break
    sleep 0.3
done
if grep -q "Unable to load file System.json." "$WORK/stderr.log"; then
    pass "broken project reports 'Unable to load file System.json.'"
else
    fail "no 'Unable to load file System.json.' message"; cat "$WORK/stderr.log"
fi
if [ -n "$BOX" ]; then
    keys_to "$BOX" Return
    for _ in $(seq 1 20); do [ -z "$(smallest_window "Vignetta" 2)" ] && break; sleep 0.3; done
else
    fail "no message box next to the main window"
fi
# The cleared project reaches the settings file shortly after the change.
sleep 1.5
CONF="$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"
if [ -n "$BOX" ] && xdotool search --onlyvisible --name "^Vignetta\$" >/dev/null \
        && ! xdotool search --onlyvisible --name "^$GAME_TITLE - Vignetta\$" >/dev/null \
        && grep -qx "projectFileUrl=" "$CONF"; then
    pass "no project open after the failed load, none remembered"
else
    fail "a project stayed open or remembered after the failed load: $(grep projectFileUrl "$CONF" 2>&1)"
fi
stop_editor

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
