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
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
place_window
RECOVERY="$XDG_DATA_HOME/VignettaWorks/Vignetta/Recovery"

cp -r "$SAMPLE" "$WORK/Sample"
PROJECT="$WORK/Sample/Sample.fabproject"
SCENE="$WORK/Sample/scenes/demo.json"

exit_editor() {
    keys_to "$MAIN" ctrl+q
    answer_box y
    if ! wait_editor_ended 10; then fail "Exit with Yes did not end the program"; kill_editor; fi
}

# Insert menu, the third of the menu bar; it opens on "New Lane". $1: how many items down ("1"
# is Show Picture Event, "8" the Marker).
insert_item() { pick_menu_item 2 "$1"; }

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
holds_scene() { [ -f "$1" ] && same_as_conversion "$2" "$1"; }

# --- 1. Edit, export, crash ------------------------------------------------------------------
open_editor "$PROJECT"
if [ -z "$MAIN" ]; then fail "no window titled '$MAIN_TITLE'"; cat "$EDITOR_LOG"; exit 1; fi
import_event "$SCENE" || fail "no confirmation after the import"
insert_item 1
insert_item 8
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

export_event "$WORK/exported.json"
if [ -s "$WORK/exported.json" ] && [ -f "$FILE" ]; then pass "Export Event leaves the recovery file"; else
    fail "after the export: exported [$(ls "$WORK"/exported.json 2>&1)] recovery [$(recovery_files)]"; fi

kill_editor
if [ -f "$FILE" ]; then pass "kill -9 leaves the recovery file"; else fail "the recovery file went with the crash"; fi

# --- 2. Restart: Yes brings the scene back ---------------------------------------------------
open_editor
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
open_editor
if answer_box n; then
    if wait_until 5 no_recovery_file; then pass "No: the recovery file is gone"; else
        fail "No left [$(recovery_files)]"; fi
else
    fail "no restore question in the third run"
fi
insert_item 1
if wait_until 10 has_recovery_file; then pass "the next edit is written again"; else
    fail "no recovery file after an edit following No"; fi
exit_editor
if [ -z "$(ls "$RECOVERY" 2>/dev/null)" ]; then pass "Exit with Yes removes the recovery file and its lock"; else
    fail "after Exit: [$(ls "$RECOVERY")]"; fi

# --- 4. Restart: nothing asked; New Timeline removes the file -------------------------------
open_editor
sleep 3
if xdotool search --onlyvisible --name "^Vignetta\$" >/dev/null 2>&1; then
    fail "a question came with no recovery file"
else
    pass "nothing asked after a clean exit"
fi
insert_item 1
wait_until 10 has_recovery_file || fail "no recovery file after an edit"
keys_to "$MAIN" ctrl+n
answer_box y
# Gone, and not written back by a write that waited (one second and more).
sleep 1.5
if no_recovery_file; then pass "New Timeline with Yes removes the recovery file"; else
    fail "after New Timeline: [$(recovery_files)]"; fi
kill_editor

if grep -q "recovery" "$EDITOR_LOG"; then
    fail "recovery warnings on standard error:"; grep -i recovery "$EDITOR_LOG"
fi
e2e_finish
