# Helpers shared by the whole-program tests in this folder; not a test itself (CMakeLists.txt
# leaves it out). A test script begins with
#     source "$(dirname "$0")/lib.sh"
#     e2e_begin "$@"
# which runs the script again under its own X server and, there, sets up its work folder and
# an environment of its own. The functions work under `set -e` and `set -o pipefail` as well.

# BIN_DIR SOURCE_DIR: re-runs this script under xvfb-run ("--inner BIN_DIR SOURCE_DIR");
# inside, sets BIN, SRC, WORK (removed at the end, when every editor still running is ended), the
# environment, the counters and the sample project's names.
e2e_begin() {
    if [ "${1:-}" != "--inner" ]; then
        local bin src
        if [ -z "${1:-}" ] || [ -z "${2:-}" ] || ! bin=$(cd "$1" 2>/dev/null && pwd) \
                || ! src=$(cd "$2" 2>/dev/null && pwd); then
            echo "usage: $0 BIN_DIR SOURCE_DIR" >&2
            exit 2
        fi
        # -noreset: without it the server resets when its last client leaves, and an editor
        # started right after the previous one ended may find no display and abort.
        exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96 -noreset" bash "$0" --inner "$bin" "$src"
    fi
    BIN=$2
    SRC=$3
    WORK=$(mktemp -d)
    E2E_PIDS=()
    PID=""
    trap e2e_cleanup EXIT
    e2e_environment

    PASSED=0
    FAILED=0
    PASS_TAG=PASS
    PY=/usr/bin/python3
    EDITOR_PROGRAM="$BIN/vignetta"
    EDITOR_LOG="$WORK/editor.log"
    SAMPLE="$SRC/sample/SampleProject"
    MAIN_TITLE=""
    if [ -f "$SAMPLE/data/System.json" ]; then
        MAIN_TITLE="$($PY -c 'import json,sys; print(json.load(open(sys.argv[1], encoding="utf-8"))["gameTitle"])' \
            "$SAMPLE/data/System.json") - Vignetta"
    fi
}

# The real program on the X server xvfb-run started, in English, with settings, data and
# runtime folders of its own, whatever the caller's environment says.
e2e_environment() {
    export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
    unset QT_QUICK_BACKEND QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
        QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE \
        QT_QUICK_CONTROLS_STYLE QT_QUICK_CONTROLS_CONF
    # The interface language follows the system locale.
    unset LANGUAGE
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    # Nothing of the caller's desktop may pick a program to open URLs with.
    unset BROWSER DEFAULT_BROWSER XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION \
        GNOME_DESKTOP_SESSION_ID
    export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/run"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

e2e_cleanup() {
    local p
    for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$WORK"
}

pass() { echo "$PASS_TAG: $*"; PASSED=$((PASSED + 1)); }
fail() { echo "FAIL: $*"; FAILED=$((FAILED + 1)); }
# The summary line; the script's status is whether anything failed.
e2e_finish() {
    echo "$PASSED passed, $FAILED failed"
    if [ "$FAILED" -eq 0 ]; then exit 0; fi
    exit 1
}

# Settings that put the main window at the top left, 1600 x 1000, so that the timeline is at
# known places on the screen; in the settings folder $1 (the script's own by default).
place_window() {
    local conf="${1:-$XDG_CONFIG_HOME}/VignettaWorks"
    mkdir -p "$conf"
    printf '[General]\nwindowX=0\nwindowY=0\nwindowWidth=1600\nwindowHeight=1000\n' >"$conf/Vignetta.conf"
}

# --- The editor's process --------------------------------------------------------------------
# start_editor [--in DIR] ARGS...: starts $EDITOR_PROGRAM with ARGS in the background (from
# folder DIR when given), its output appended to $EDITOR_LOG; its pid goes to PID.
start_editor() {
    local dir=.
    if [ "${1:-}" = "--in" ]; then dir=$2; shift 2; fi
    (cd "$dir" && exec "$EDITOR_PROGRAM" "$@") >>"$EDITOR_LOG" 2>&1 &
    PID=$!
    E2E_PIDS+=("$PID")
}
# Starts the editor with ARGS and waits for the window titled $MAIN_TITLE; its id goes to MAIN.
open_editor() {
    start_editor "$@"
    MAIN=$(wait_window "$MAIN_TITLE" 60) || { MAIN=""; return 1; }
}
# The editor ended: it is no longer killed at the end.
forget_editor() {
    local p kept=()
    for p in "${E2E_PIDS[@]}"; do
        if [ "$p" != "$1" ]; then kept+=("$p"); fi
    done
    E2E_PIDS=("${kept[@]}")
    if [ "$PID" = "$1" ]; then PID=""; fi
}
stop_editor() {
    [ -n "$PID" ] || return 0
    kill "$PID" 2>/dev/null || true
    wait "$PID" 2>/dev/null || true
    forget_editor "$PID"
}
# Ends the editor as a crash would.
kill_editor() {
    [ -n "$PID" ] || return 0
    kill -9 "$PID" 2>/dev/null || true
    wait "$PID" 2>/dev/null || true
    forget_editor "$PID"
}
# Waits up to $1 seconds for the editor to end by itself.
wait_editor_ended() {
    local deadline=$((SECONDS + $1))
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$PID" 2>/dev/null || { wait "$PID" 2>/dev/null || true; forget_editor "$PID"; return 0; }
        sleep 0.2
    done
    return 1
}

# --- Windows and input ------------------------------------------------------------------------
# Waits up to $2 seconds for a visible window whose whole title is $1 (xdotool ignores case);
# prints its id, the topmost where there are several (the newest, with no window manager).
wait_window() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) || true
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.2
    done
    return 1
}
# Waits up to $2 seconds until no visible window has the title $1.
wait_gone() {
    local deadline=$((SECONDS + $2))
    while [ $SECONDS -lt $deadline ]; do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null || true; }
# Focuses window $1 and sends it the keys that follow, together.
keys_to() {
    local win=$1; shift
    focus "$win"
    sleep 0.3
    xdotool key --clearmodifiers "$@"
}
# Focuses window $1 and sends it the keys that follow one by one, half a second apart (for keys
# that open menus and windows).
keys_paced() {
    local win=$1 key; shift
    focus "$win"
    sleep 0.3
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.5
    done
}
click() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.5; }
# Presses at ($1,$2), moves to ($3,$4) in small steps and releases.
drag_mouse() {
    local i
    xdotool mousemove "$1" "$2" mousedown 1
    sleep 0.2
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}

# Message boxes are titled with the application title alone; answers the next one with the key
# $1 (Return by default) and waits for it to close.
answer_box() {
    local box
    box=$(wait_window "Vignetta" 15) || return 1
    keys_to "$box" "${1:-Return}"
    wait_gone "Vignetta" 10
}

# Picks an item of the main window's menu bar: clicks "File", moves $1 menus to the right and
# $2 items down, and presses Return.
pick_menu_item() {
    local i
    focus "$MAIN"
    xdotool mousemove --window "$MAIN" 12 10 click 1
    sleep 0.8
    for ((i = 0; i < $1; i++)); do xdotool key Right; sleep 0.2; done
    sleep 0.3
    for ((i = 0; i < $2; i++)); do xdotool key Down; sleep 0.05; done
    sleep 0.3
    xdotool key Return
    sleep 0.5
}
# Picks the menu item ($1 menus right, $2 down) until the window titled $3 shows (a busy machine
# may drop a key); prints its id.
menu_to_window() {
    local attempt id
    for attempt in 1 2 3; do
        pick_menu_item "$1" "$2"
        if id=$(wait_window "$3" 15); then echo "$id"; return 0; fi
        xdotool key Escape Escape Escape
        sleep 0.5
    done
    return 1
}

# Types the path $2 into the file dialog titled $1 and accepts it; fails when no such dialog
# shows or it does not close.
fill_file_dialog() {
    local dialog
    dialog=$(wait_window "$1" 20) || return 1
    sleep 0.3
    keys_to "$dialog" ctrl+a
    xdotool type --delay 5 "$2"
    xdotool key Return
    wait_gone "$1" 10
}
# Sends the keys $3 to the window $2 and types the path $4 into the file dialog titled $1 that
# they open (asking twice when a busy machine dropped the first request).
file_dialog() {
    keys_to "$2" "$3"
    wait_window "$1" 20 >/dev/null || keys_to "$2" "$3"
    fill_file_dialog "$1" "$4"
}
# Import Event of the scene file $1 into the main window, confirmed by the box that follows.
import_event() { file_dialog "Choose Event JSON File" "$MAIN" ctrl+o "$1" && answer_box; }
# Export Event of window $2 (the main window by default) into file $1, and the box that follows.
export_event() { file_dialog "Export Event" "${2:-$MAIN}" ctrl+s "$1" && answer_box; }

# --- Clipboard and screen ---------------------------------------------------------------------
# The clipboard's content of type $1 (TARGETS: its types), read while the program runs.
clipboard() { xclip -selection clipboard -t "$1" -o 2>/dev/null; }
# Copy As Event in window $2 (the main window by default), from the clipboard into file $1.
copy_as_event() {
    rm -f "$1"
    keys_to "${2:-$MAIN}" ctrl+shift+c
    sleep 1
    answer_box >/dev/null 2>&1 || true
    clipboard application/fable-EventCommand >"$1" || true
}
# Whether file $1 (Copy As Event taken from the clipboard) holds exactly what vignetta-cli
# convert makes of the scene file $2 (the tool ends its output with a line feed, the clipboard
# holds the bare text); the conversion stays in $WORK/converted.json.
same_as_conversion() {
    "$BIN/vignetta-cli" convert "$2" >"$WORK/converted.json" 2>/dev/null || true
    [ -s "$WORK/converted.json" ] && [ -f "$1" ] && cmp -s <(head -c -1 "$WORK/converted.json") "$1"
}
# The top of the timeline's ruler band: the first row whose left pixel has the ruler's colour.
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

# Opens the project $1 and imports the scene $2; TOP is then the ruler's top. Ends the test when
# the editor or its timeline does not show.
open_and_import() {
    open_editor "$1" || { fail "the editor did not open the project"; cat "$EDITOR_LOG"; exit 1; }
    sleep 1
    if import_event "$2"; then pass "demo scene imported"; else fail "the demo scene was not imported"; fi
    sleep 0.5
    TOP=$(ruler_top)
    [ -n "$TOP" ] || { fail "no ruler on screen"; exit 1; }
}

# Errors of the interface's scripts in the editor's output.
check_script_errors() {
    if grep -E "qrc:/qml/.*(Error|TypeError|ReferenceError|is not a function|Cannot read)" "$EDITOR_LOG"; then
        fail "script errors in the editor's log"
    else
        pass "no script errors"
    fi
}
