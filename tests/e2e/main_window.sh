#!/bin/bash
# The real editor under Xvfb with the bundled sample project: window title, Import Event of
# the demo scene followed by Copy As Event (compared with the command-line conversion), a
# project missing its system table, and the exit question.
# Arguments: the bin directory and the source directory.
set -u
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

SCENE="$SAMPLE/scenes/demo.json"
cp -r "$SAMPLE" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"

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

# --- 1. Open the project from the File menu; title, import, copy as event -------------------
start_editor
MAIN=$(wait_window "Vignetta" 60)
if [ -z "$MAIN" ]; then fail "no window titled 'Vignetta' at first start"; cat "$EDITOR_LOG"; exit 1; fi
# File > Open FC Project, the menu's first item.
menu_to_window 0 1 "Open FC Project" >/dev/null && fill_file_dialog "Open FC Project" "$PROJECT"
MAIN=$(wait_window "$MAIN_TITLE" 30)
if [ -n "$MAIN" ]; then pass "opened from the File menu, title reads '$MAIN_TITLE'"; else
    fail "no window titled '$MAIN_TITLE'"; cat "$EDITOR_LOG"; exit 1; fi

keys_to "$MAIN" ctrl+o
if ! wait_window "Choose Event JSON File" 20 >/dev/null; then
    fail "Import Event opened no file dialog"
else
    fill_file_dialog "Choose Event JSON File" "$SCENE"
    if answer_box && ! grep -q "The import has failed." "$EDITOR_LOG"; then
        pass "demo scene imported"
    else
        fail "no confirmation after import"
    fi
fi
sleep 0.5
answer_box >/dev/null 2>&1

copy_as_event "$WORK/clipboard.json"
TARGETS=$(clipboard TARGETS | grep -v -x -e TARGETS -e MULTIPLE -e TIMESTAMP -e SAVE_TARGETS)
if [ "$TARGETS" = "application/fable-EventCommand" ]; then
    pass "clipboard holds exactly application/fable-EventCommand"
else
    fail "clipboard types: [$TARGETS]"
fi
if same_as_conversion "$WORK/clipboard.json" "$SCENE"; then
    pass "clipboard bytes equal vignetta-cli convert"
else
    fail "clipboard bytes differ from vignetta-cli convert"
    head -c 300 "$WORK/clipboard.json"; echo; head -c 300 "$WORK/converted.json"; echo
fi

# --- 2. Exit asks; No keeps the program running ---------------------------------------------
keys_to "$MAIN" ctrl+q
if answer_box n; then
    sleep 1
    if kill -0 "$PID" 2>/dev/null && xdotool search --onlyvisible --name "^$MAIN_TITLE\$" >/dev/null; then
        pass "Exit asked, No kept the program running"
    else
        fail "the program ended after answering No"
    fi
    keys_to "$MAIN" ctrl+q
    answer_box y
    if wait_editor_ended 10; then pass "Yes ends the program"; else fail "Yes did not end the program"; fi
else
    fail "Exit asked nothing"
fi
stop_editor

# --- 3. The last project opens again by itself ---------------------------------------------
if open_editor; then pass "remembered project reopened"; else fail "remembered project not reopened"; fi
stop_editor

# --- 4. A project without data/System.json ------------------------------------------------
cp -r "$SAMPLE" "$WORK/Broken"
rm "$WORK/Broken/data/System.json"
start_editor "$WORK/Broken/Sample.fabproject"
# The main window and the message box are both titled "Vignetta"; the box is the smaller one.
BOX=""
for _ in $(seq 1 200); do
    BOX=$(smallest_window "Vignetta" 2)
    [ -n "$BOX" ] && break
    sleep 0.3
done
if grep -q "Unable to load file System.json." "$EDITOR_LOG"; then
    pass "broken project reports 'Unable to load file System.json.'"
else
    fail "no 'Unable to load file System.json.' message"; cat "$EDITOR_LOG"
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
        && ! xdotool search --onlyvisible --name "^$MAIN_TITLE\$" >/dev/null \
        && grep -qx "projectFileUrl=" "$CONF"; then
    pass "no project open after the failed load, none remembered"
else
    fail "a project stayed open or remembered after the failed load: $(grep projectFileUrl "$CONF" 2>&1)"
fi
stop_editor

e2e_finish
