#!/usr/bin/env bash
# Starts the real editor under Xvfb. A project named on the command line reaches the settings
# store before the main window loads (relative paths taken from the folder the editor was
# started in), a start without arguments leaves the store alone, and the window appears.
# Project files that nest too deep, block or never end are reported, and neither that start
# nor the next one crashes or hangs.
# Usage: startup.sh BIN_DIR SOURCE_DIR
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
PASS_TAG=ok
settings="$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"

# The id of the visible main window: titled "Vignetta", or "<game title> - Vignetta" once a
# project is open. xdotool matches names ignoring case, and the splash screen is "vignetta".
main_window() {
    local id
    for id in $(xdotool search --onlyvisible --name 'Vignetta$' 2>/dev/null || true); do
        if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" =~ ^(.+\ -\ )?Vignetta$ ]]; then
            echo "$id"
            return
        fi
    done
}

# Starts the editor (in folder $1, with the remaining arguments), waits for its window and
# records what the settings store held at that moment in $WORK/seen.conf. Returns non-zero when
# no window appeared.
run_editor() {
    local dir="$1" found=""; shift
    rm -f "$WORK/seen.conf"
    : >"$EDITOR_LOG"
    start_editor --in "$dir" "$@"
    for _ in $(seq 1 600); do
        if ! kill -0 "$PID" 2>/dev/null; then break; fi
        found="$(main_window)"
        if [[ -n "$found" ]]; then
            cp "$settings" "$WORK/seen.conf" 2>/dev/null || true
            break
        fi
        sleep 0.1
    done
    stop_editor
    if [[ -z "$found" ]]; then
        echo "--- editor output"; cat "$EDITOR_LOG"; echo "---"
        return 1
    fi
}

# Projects that load: one that fails is cleared from the store, at a moment that races with the
# window's appearance.
mkdir -p "$WORK/projects" "$WORK/elsewhere"
cp -r "$SAMPLE" "$WORK/projects/First"
cp -r "$SAMPLE" "$WORK/projects/Second"

# No argument and an empty store: the store is not written.
if run_editor "$WORK/elsewhere"; then
    pass "window appears without a project"
    if [[ -e "$settings" ]] && grep -q '^projectFileUrl=' "$settings"; then
        fail "started without a project, the settings store was written"
    else
        pass "no argument leaves the settings store alone"
    fi
else
    fail "no window appeared (no argument)"
fi

# Whether the settings store held the project file $1 when the window appeared.
stored_project() { grep -qx "projectFileUrl=file://$1" "$WORK/seen.conf" 2>/dev/null; }
seen_settings() { echo "settings when the window appeared: $(cat "$WORK/seen.conf" 2>/dev/null || echo none)"; }

# A relative path from the starting folder.
if run_editor "$WORK/projects" "First/Sample.fabproject"; then
    pass "window appears with a project"
    stored_project "$WORK/projects/First/Sample.fabproject" \
        && pass "relative project path stored as its absolute file URL before the window" || fail "$(seen_settings)"
else
    fail "no window appeared (relative project path)"
fi

# An absolute path replaces the remembered project.
if run_editor "$WORK/elsewhere" "$WORK/projects/Second/Sample.fabproject" "ignored-extra-argument"; then
    stored_project "$WORK/projects/Second/Sample.fabproject" \
        && pass "a project named at launch replaces the remembered one" || fail "$(seen_settings)"
else
    fail "no window appeared (absolute project path)"
fi

# --- Hostile project files: the editor neither crashes nor hangs, now or at the next start ---
# run_hostile LABEL FILE_NAME ARGS...: starts the editor, waits for the window and then for the
# message naming FILE_NAME; the editor must still be running when the message is out.
run_hostile() {
    local label="$1" file="$2" reported=""; shift 2
    : >"$EDITOR_LOG"
    start_editor --in "$WORK/elsewhere" "$@"
    for _ in $(seq 1 600); do
        kill -0 "$PID" 2>/dev/null || break
        if grep -q "Unable to load file $file\." "$EDITOR_LOG"; then reported=yes; break; fi
        sleep 0.1
    done
    # Long enough for the start-up's own work and for the settings to be written.
    sleep 2
    if ! kill -0 "$PID" 2>/dev/null; then
        local status=0
        wait "$PID" || status=$?
        forget_editor "$PID"
        fail "$label: the editor ended (status $status)"; tail -5 "$EDITOR_LOG"
    elif [[ -z "$reported" ]]; then
        fail "$label: no 'Unable to load file $file.' (the editor hangs?)"; tail -5 "$EDITOR_LOG"
    else
        pass "$label"
    fi
    stop_editor
}

if [[ -d "$SAMPLE" ]]; then
    # Arrays nested 100000 deep in a data file.
    cp -r "$SAMPLE" "$WORK/projects/Deep"
    $PY -c 'import sys; sys.stdout.write("[" * 100000 + "]" * 100000)' \
        >"$WORK/projects/Deep/data/Actors.json"
    run_hostile "a data file nested 100000 deep is reported" "Actors.json" \
        "$WORK/projects/Deep/Sample.fabproject"
    # The next start reopens whatever is remembered: it must start as well.
    : >"$EDITOR_LOG"
    start_editor --in "$WORK/elsewhere"
    sleep 8
    if kill -0 "$PID" 2>/dev/null && [[ -n "$(main_window)" ]]; then
        pass "the start after a failed project starts"
    else
        fail "the start after a failed project did not stay up"; tail -5 "$EDITOR_LOG"
    fi
    stop_editor

    # A data file that is a pipe nobody writes to, and a plugin list linked to /dev/zero.
    cp -r "$SAMPLE" "$WORK/projects/Pipe"
    rm "$WORK/projects/Pipe/data/Classes.json"
    mkfifo "$WORK/projects/Pipe/data/Classes.json"
    run_hostile "a data file that is a pipe is reported" "Classes.json" \
        "$WORK/projects/Pipe/Sample.fabproject"
    cp -r "$SAMPLE" "$WORK/projects/Zero"
    ln -sf /dev/zero "$WORK/projects/Zero/js/plugins.js"
    run_hostile "a plugin list linked to /dev/zero is reported" "plugins.js" \
        "$WORK/projects/Zero/Sample.fabproject"
else
    fail "no sample project at $SAMPLE"
fi

e2e_finish
