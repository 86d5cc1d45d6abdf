#!/usr/bin/env bash
# The installed editor on a Linux desktop, under Xvfb: installed into a throw-away prefix it
# starts and finds its help under share/vignetta; its window carries the application icon;
# F10 and Alt with a menu's letter open the menus from the keyboard; a first start with an
# empty settings store leaves the store empty through to the end; and when no program can open
# the help page, a message box names the file.
# Usage: desktop_integration.sh BIN_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
PASS_TAG=ok
build="$(cd "$BIN/.." && pwd)"
store="$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"
prefix="$WORK/prefix"
EDITOR_PROGRAM="$prefix/bin/vignetta"

mapped_windows() { xwininfo -root -children | grep -c 'has no name\|"'; }
# Starts the installed editor with $1 as its PATH.
start_with_path() { PATH="$1" start_editor; }

if ! cmake --install "$build" --prefix "$prefix" >"$WORK/install.log" 2>&1; then
    cat "$WORK/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# A stand-in for the desktop's URL opener, which records what it is asked to open.
mkdir -p "$WORK/opener" "$WORK/no-opener"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$WORK/opened" >"$WORK/opener/xdg-open"
chmod +x "$WORK/opener/xdg-open"

# --- 1. The installed editor, a first start with an empty store ----------------------------
start_with_path "$WORK/opener:/usr/bin:/bin"
main="$(wait_window Vignetta 60)"
if [[ -z "$main" ]]; then
    fail "the installed editor showed no window"; cat "$EDITOR_LOG"
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
keys_paced "$main" F10
if [[ "$(mapped_windows)" -gt "$before" ]]; then pass "F10 opens a menu"; else
    fail "F10 opened nothing"; fi
keys_paced "$main" Escape

# Tools > Options... by its letter, the arrow key and Return.
keys_paced "$main" alt+t Down Return
if options="$(wait_window Options 10)"; then
    pass "Alt+T, Down, Return opens Options"
    keys_paced "$options" Escape
    wait_gone Options 5 || fail "Esc left Options open"
else
    fail "Alt+T, Down, Return did not open Options"
fi

keys_paced "$main" F1
sleep 1
expected="file://$prefix/share/vignetta/Help/index.html"
if [[ "$(cat "$WORK/opened" 2>/dev/null)" == "$expected" ]]; then
    pass "F1 opens the installed help page"
else
    fail "F1 asked to open [$(cat "$WORK/opened" 2>/dev/null)], expected [$expected]"
fi

sleep 1.5
[[ ! -e "$store" ]] && pass "nothing stored while nothing was changed" \
    || fail "settings written at first start: $(cat "$store")"

keys_paced "$main" ctrl+q
if box="$(wait_window Vignetta 10)" && [[ "$box" != "$main" ]]; then
    keys_paced "$box" y
fi
if wait_editor_ended 10; then pass "Exit and Yes end the editor"; else
    fail "Exit and Yes did not end the editor"; stop_editor; fi
[[ ! -e "$store" ]] && pass "nothing stored by the end of a first start" \
    || fail "settings written by the end of a first start: $(cat "$store")"

# --- 2. No program to open the help page -----------------------------------------------------
start_with_path "$WORK/no-opener"
main="$(wait_window Vignetta 60)"
sleep 1
keys_paced "$main" F1
message="No program could be started to open $prefix/share/vignetta/Help/index.html."
if box="$(wait_window Vignetta 10)" && [[ "$box" != "$main" ]] && grep -qF "$message" "$EDITOR_LOG"; then
    pass "a message box names the help page no program could open"
    keys_paced "$box" Return
else
    fail "no message about the help page"; cat "$EDITOR_LOG"
fi
stop_editor

e2e_finish
