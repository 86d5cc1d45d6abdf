#!/usr/bin/env bash
# Takes a screenshot of every dialog and message box of the editor in every theme, for looking
# at them: options (with the theme list dropped down and a hint showing), about, the success,
# error and question boxes, and the menus. Runs the built editor under its own Xvfb with the
# sample project and a throw-away settings store.
# Usage: tools/screenshot_dialogs.sh [BUILD_DIR [OUT_DIR]]   (defaults: build, shots)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
out="$(mkdir -p "${2:-shots}" && cd "${2:-shots}" && pwd)"

if [[ -z "${VIGNETTA_SHOTS_INNER:-}" ]]; then
    export VIGNETTA_SHOTS_INNER=1
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" bash "$0" "$build" "$out"
fi

work="$(mktemp -d)"
pid=""
trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
export QTWEBENGINE_DISABLE_SANDBOX=1
# No program opens URLs here, so Help > Contents shows the error box.
export PATH="/usr/bin:/bin"
cp -r "$root/sample/SampleProject" "$work/Sample"

window() {  # waits for a visible window titled exactly $1; prints its id
    local id
    for _ in $(seq 1 100); do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)"
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "no window '$1'" >&2
    return 1
}
keys() {  # focuses window $1 and types the remaining key names, a moment apart (a menu
          # needs that moment to open before it takes keys)
    local id="$1" key; shift
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    sleep 0.3
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.4
    done
    sleep 0.5
}
shot() { import -window root "$out/$1.png"; }

for theme in default dark highContrastWhite highContrastBlack; do
    mkdir -p "$XDG_CONFIG_HOME/VignettaWorks"
    printf '[General]\nthemeName=%s\n' "$theme" >"$XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf"
    "$build/bin/vignetta" "$work/Sample/Sample.fabproject" >"$work/log" 2>&1 &
    pid=$!
    main="$(window "Meadow Morning - Vignetta")"
    sleep 1
    shot "$theme-main"

    keys "$main" alt+f
    shot "$theme-menu"
    keys "$main" Escape

    keys "$main" alt+t Down Return
    options="$(window Options)"
    sleep 0.5
    shot "$theme-options"
    # The theme list, dropped down, and a hint: the pointer rests on the OK button.
    eval "$(xdotool getwindowgeometry --shell "$options")"
    xdotool mousemove "$((X + WIDTH - 150))" "$((Y + 192))" click 1
    sleep 0.8
    shot "$theme-options-list"
    xdotool key Escape
    sleep 0.3
    xdotool mousemove "$((X + WIDTH - 215))" "$((Y + HEIGHT - 20))"
    sleep 1.5
    shot "$theme-options-hint"
    keys "$options" Escape

    keys "$main" alt+h Down Down Return
    about="$(window "About Vignetta")"
    sleep 0.5
    shot "$theme-about"
    keys "$about" Escape

    keys "$main" F1
    box="$(window Vignetta)"
    sleep 0.5
    shot "$theme-error"
    keys "$box" Return

    keys "$main" ctrl+q
    box="$(window Vignetta)"
    sleep 0.5
    shot "$theme-question"
    keys "$box" y
    wait "$pid" 2>/dev/null || true
    pid=""
done
echo "screenshots in $out"
