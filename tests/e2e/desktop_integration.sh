#!/usr/bin/env bash
# The installed editor on a Linux desktop, under Xvfb: installed into a throw-away prefix it
# starts and finds its help under share/vignetta; its window carries the application icon;
# F10 and Alt with a menu's letter open the menus from the keyboard; a first start with an
# empty settings store leaves the store empty through to the end; and when no program can open
# the help page, a message box names the file.
# Usage: desktop_integration.sh BIN_DIR SOURCE_DIR
set -uo pipefail

if [[ "${1:-}" != "--inner" ]]; then
    build="$(cd "$1/.." && pwd)"
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" --inner "$build"
fi

build="$2"
work="$(mktemp -d)"
pid=""
trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
# Nothing of the caller's desktop may pick a program to open URLs with.
unset BROWSER DEFAULT_BROWSER XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
store="$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"
prefix="$work/prefix"

failures=0
passes=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }

# Waits up to $2 seconds for a visible window titled exactly $1; prints its id.
wait_window() {
    local id deadline=$((SECONDS + $2))
    while [[ $SECONDS -lt $deadline ]]; do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)"
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}
wait_gone() {
    local deadline=$((SECONDS + $2))
    while [[ $SECONDS -lt $deadline ]]; do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
mapped_windows() { xwininfo -root -children | grep -c 'has no name\|"'; }
keys() {  # focuses window $1, then types each key a moment apart
    local id="$1" key; shift
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    sleep 0.3
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.5
    done
}
start_editor() {  # PATH for the editor as $1
    PATH="$1" "$prefix/bin/vignetta" >"$work/editor.log" 2>&1 &
    pid=$!
}
stop_editor() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=""
}

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# A stand-in for the desktop's URL opener, which records what it is asked to open.
mkdir -p "$work/opener" "$work/no-opener"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$work/opened" >"$work/opener/xdg-open"
chmod +x "$work/opener/xdg-open"

# --- 1. The installed editor, a first start with an empty store ----------------------------
start_editor "$work/opener:/usr/bin:/bin"
main="$(wait_window Vignetta 60)"
if [[ -z "$main" ]]; then
    fail "the installed editor showed no window"; cat "$work/editor.log"
    exit 1
fi
pass "the installed editor starts"
sleep 1

icons="$(xprop -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')"
if [[ "$icons" == *"Icon (16 x 16)"* && "$icons" == *"Icon (48 x 48)"* ]]; then
    pass "the window has its icon: $icons"
else
    fail "_NET_WM_ICON: [$icons]"
fi

before="$(mapped_windows)"
keys "$main" F10
if [[ "$(mapped_windows)" -gt "$before" ]]; then pass "F10 opens a menu"; else
    fail "F10 opened nothing"; fi
keys "$main" Escape

# Tools > Options... by its letter, the arrow key and Return.
keys "$main" alt+t Down Return
if options="$(wait_window Options 10)"; then
    pass "Alt+T, Down, Return opens Options"
    keys "$options" Escape
    wait_gone Options 5 || fail "Esc left Options open"
else
    fail "Alt+T, Down, Return did not open Options"
fi

keys "$main" F1
sleep 1
expected="file://$prefix/share/vignetta/Help/index.html"
if [[ "$(cat "$work/opened" 2>/dev/null)" == "$expected" ]]; then
    pass "F1 opens the installed help page"
else
    fail "F1 asked to open [$(cat "$work/opened" 2>/dev/null)], expected [$expected]"
fi

sleep 1.5
[[ ! -e "$store" ]] && pass "nothing stored while nothing was changed" \
    || fail "settings written at first start: $(cat "$store")"

keys "$main" ctrl+q
if box="$(wait_window Vignetta 10)" && [[ "$box" != "$main" ]]; then
    keys "$box" y
fi
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then fail "Exit and Yes did not end the editor"; stop_editor; else
    wait "$pid" 2>/dev/null; pid=""; pass "Exit and Yes end the editor"; fi
[[ ! -e "$store" ]] && pass "nothing stored by the end of a first start" \
    || fail "settings written by the end of a first start: $(cat "$store")"

# --- 2. No program to open the help page -----------------------------------------------------
start_editor "$work/no-opener"
main="$(wait_window Vignetta 60)"
sleep 1
keys "$main" F1
message="No program could be started to open $prefix/share/vignetta/Help/index.html."
if box="$(wait_window Vignetta 10)" && [[ "$box" != "$main" ]] && grep -qF "$message" "$work/editor.log"; then
    pass "a message box names the help page no program could open"
    keys "$box" Return
else
    fail "no message about the help page"; cat "$work/editor.log"
fi
stop_editor

echo "$passes passed, $failures failed"
[[ "$failures" -eq 0 ]]
