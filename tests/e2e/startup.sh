#!/usr/bin/env bash
# Starts the real editor under Xvfb. A project named on the command line reaches the settings
# store before the main window loads (relative paths taken from the folder the editor was
# started in), a start without arguments leaves the store alone, and the window appears.
# Project files that nest too deep, block or never end are reported, and neither that start
# nor the next one crashes or hangs.
# Usage: startup.sh BIN_DIR SOURCE_DIR
set -euo pipefail

if [[ "${1:-}" != "--inner" ]]; then
    bin="$1"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    exec_status=0
    xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" --inner "$bin" "$work" "$2" \
        || exec_status=$?
    exit "$exec_status"
fi

bin="$2"
src="$4"
work="$3"
# The real program on the X server xvfb-run started, whatever the caller's environment says.
export QT_QPA_PLATFORM=xcb
unset QT_QUICK_BACKEND
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings="$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"
failures=0
passes=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }

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
# records what the settings store held at that moment in $work/seen.conf. Returns non-zero when
# no window appeared.
run_editor() {
    local dir="$1"; shift
    rm -f "$work/seen.conf"
    (cd "$dir" && exec "$bin/vignetta" "$@") >"$work/editor.log" 2>&1 &
    local pid=$! found=""
    for _ in $(seq 1 600); do
        if ! kill -0 "$pid" 2>/dev/null; then break; fi
        found="$(main_window)"
        if [[ -n "$found" ]]; then
            cp "$settings" "$work/seen.conf" 2>/dev/null || true
            break
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ -z "$found" ]]; then
        echo "--- editor output"; cat "$work/editor.log"; echo "---"
        return 1
    fi
}

# Two projects that open: a project that fails to load is forgotten again, which would race
# with reading the store when the window appears.
mkdir -p "$work/projects" "$work/elsewhere"
for name in First Second; do
    cp -r "$src/sample/SampleProject" "$work/projects/$name"
    mv "$work/projects/$name/Sample.fabproject" "$work/projects/$name/Game.fabproject"
done

# No argument and an empty store: the store is not written.
if run_editor "$work/elsewhere"; then
    pass "window appears without a project"
    if [[ -e "$settings" ]] && grep -q '^projectFileUrl=' "$settings"; then
        fail "started without a project, the settings store was written"
    else
        pass "no argument leaves the settings store alone"
    fi
else
    fail "no window appeared (no argument)"
fi

# A relative path from the starting folder.
if run_editor "$work/projects" "First/Game.fabproject"; then
    pass "window appears with a project"
    if grep -qx "projectFileUrl=file://$work/projects/First/Game.fabproject" "$work/seen.conf" 2>/dev/null; then
        pass "relative project path stored as its absolute file URL before the window"
    else
        fail "settings when the window appeared: $(cat "$work/seen.conf" 2>/dev/null || echo none)"
    fi
else
    fail "no window appeared (relative project path)"
fi

# An absolute path replaces the remembered project.
if run_editor "$work/elsewhere" "$work/projects/Second/Game.fabproject" "ignored-extra-argument"; then
    if grep -qx "projectFileUrl=file://$work/projects/Second/Game.fabproject" "$work/seen.conf" 2>/dev/null; then
        pass "a project named at launch replaces the remembered one"
    else
        fail "settings when the window appeared: $(cat "$work/seen.conf" 2>/dev/null || echo none)"
    fi
else
    fail "no window appeared (absolute project path)"
fi

# --- Hostile project files: the editor neither crashes nor hangs, now or at the next start ---
# run_hostile LABEL FILE_NAME ARGS...: starts the editor, waits for the window and then for the
# message naming FILE_NAME; the editor must still be running when the message is out.
run_hostile() {
    local label="$1" file="$2"; shift 2
    (cd "$work/elsewhere" && exec "$bin/vignetta" "$@") >"$work/hostile.log" 2>&1 &
    local pid=$! reported=""
    for _ in $(seq 1 600); do
        kill -0 "$pid" 2>/dev/null || break
        if grep -q "Unable to load file $file\." "$work/hostile.log"; then reported=yes; break; fi
        sleep 0.1
    done
    # Long enough for the start-up's own work and for the settings to be written.
    sleep 2
    if ! kill -0 "$pid" 2>/dev/null; then
        local status=0
        wait "$pid" || status=$?
        fail "$label: the editor ended (status $status)"; tail -5 "$work/hostile.log"
    elif [[ -z "$reported" ]]; then
        fail "$label: no 'Unable to load file $file.' (the editor hangs?)"; tail -5 "$work/hostile.log"
    else
        pass "$label"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

sample="$src/sample/SampleProject"
if [[ -d "$sample" ]]; then
    # Arrays nested 100000 deep in a data file.
    cp -r "$sample" "$work/projects/Deep"
    python3 -c 'import sys; sys.stdout.write("[" * 100000 + "]" * 100000)' \
        >"$work/projects/Deep/data/Actors.json"
    run_hostile "a data file nested 100000 deep is reported" "Actors.json" \
        "$work/projects/Deep/Sample.fabproject"
    # The next start reopens whatever is remembered: it must start as well.
    (cd "$work/elsewhere" && exec "$bin/vignetta") >"$work/next.log" 2>&1 &
    next=$!
    sleep 8
    if kill -0 "$next" 2>/dev/null && [[ -n "$(main_window)" ]]; then
        pass "the start after a failed project starts"
    else
        fail "the start after a failed project did not stay up"; tail -5 "$work/next.log"
    fi
    kill "$next" 2>/dev/null || true
    wait "$next" 2>/dev/null || true

    # A data file that is a pipe nobody writes to, and a plugin list linked to /dev/zero.
    cp -r "$sample" "$work/projects/Pipe"
    rm "$work/projects/Pipe/data/Classes.json"
    mkfifo "$work/projects/Pipe/data/Classes.json"
    run_hostile "a data file that is a pipe is reported" "Classes.json" \
        "$work/projects/Pipe/Sample.fabproject"
    cp -r "$sample" "$work/projects/Zero"
    ln -sf /dev/zero "$work/projects/Zero/js/plugins.js"
    run_hostile "a plugin list linked to /dev/zero is reported" "plugins.js" \
        "$work/projects/Zero/Sample.fabproject"
else
    fail "no sample project at $sample"
fi

echo "$passes passed, $failures failed"
[[ "$failures" -eq 0 ]]
