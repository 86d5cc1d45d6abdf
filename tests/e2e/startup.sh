#!/usr/bin/env bash
# Starts the real editor under Xvfb. A project named on the command line reaches the settings
# store before the main window loads (relative paths taken from the folder the editor was
# started in), a start without arguments leaves the store alone, and the window appears.
# Usage: startup.sh BIN_DIR SOURCE_DIR
set -euo pipefail

if [[ "${1:-}" != "--inner" ]]; then
    bin="$1"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    exec_status=0
    xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" --inner "$bin" "$work" || exec_status=$?
    exit "$exec_status"
fi

bin="$2"
work="$3"
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

mkdir -p "$work/projects/First" "$work/projects/Second" "$work/elsewhere"
echo "1.5.0" >"$work/projects/First/Game.fabproject"
echo "1.5.0" >"$work/projects/Second/Game.fabproject"

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

echo "$passes passed, $failures failed"
[[ "$failures" -eq 0 ]]
