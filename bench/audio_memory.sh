#!/usr/bin/env bash
# Memory of the running editor with the web engine of the audio preview: starts the real editor
# under Xvfb, without a project and then with the sample project open, and prints the resident
# memory (RSS) and the proportional share (PSS, shared pages divided among the processes that
# map them) of the editor and of every process it started (the web engine's helpers).
# Prints numbers; it is not a test.
# Usage: bench/audio_memory.sh [BIN_DIR] [SOURCE_DIR]   (defaults: build/bin and this checkout)
set -euo pipefail

if [[ "${1:-}" != "--inner" ]]; then
    root="$(cd "$(dirname "$0")/.." && pwd)"
    bin="$(cd "${1:-$root/build/bin}" && pwd)"
    source_dir="$(cd "${2:-$root}" && pwd)"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" --inner "$bin" "$source_dir" "$work"
    exit
fi

bin="$2"
source_dir="$3"
work="$4"
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settle="${SETTLE_SECONDS:-8}"

# The process and all of its descendants.
family() {
    local pid="$1" child
    echo "$pid"
    for child in $(pgrep -P "$pid" 2>/dev/null || true); do
        family "$child"
    done
}

# "<kB> " of a field of /proc/PID/status or smaps_rollup, 0 when the process is gone.
field_kb() {
    awk -v f="$2:" '$1 == f { print $2; found = 1 } END { if (!found) print 0 }' "$1" 2>/dev/null ||
        echo 0
}

report() {
    local label="$1" pid="$2" p rss pss rss_sum=0 pss_sum=0 count=0 own_rss own_pss
    own_rss=$(field_kb "/proc/$pid/status" VmRSS)
    own_pss=$(field_kb "/proc/$pid/smaps_rollup" Pss)
    for p in $(family "$pid"); do
        rss=$(field_kb "/proc/$p/status" VmRSS)
        pss=$(field_kb "/proc/$p/smaps_rollup" Pss)
        rss_sum=$((rss_sum + rss))
        pss_sum=$((pss_sum + pss))
        count=$((count + 1))
    done
    printf '%-28s processes %2d  editor RSS %4d MiB PSS %4d MiB  all RSS %4d MiB PSS %4d MiB\n' \
        "$label" "$count" $((own_rss / 1024)) $((own_pss / 1024)) $((rss_sum / 1024)) \
        $((pss_sum / 1024))
}

measure() {
    local label="$1"; shift
    "$bin/vignetta" "$@" >"$work/editor.log" 2>&1 &
    local pid=$!
    for _ in $(seq 1 300); do
        xdotool search --onlyvisible --name 'Vignetta$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    sleep "$settle"
    if kill -0 "$pid" 2>/dev/null; then
        report "$label" "$pid"
    else
        echo "$label: the editor exited"; cat "$work/editor.log"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

measure "no project" 
measure "sample project open" "$source_dir/sample/SampleProject/Sample.fabproject"
