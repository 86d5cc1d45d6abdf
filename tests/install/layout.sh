#!/usr/bin/env bash
# `cmake --install` into a throw-away prefix: the programs, their data under share/vignetta,
# and the desktop's files each land where the desktop and the program look for them.
# Usage: layout.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build="$1"
id="example.vignettaworks.Vignetta"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

failures=0
passes=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"; exit 1
fi

for file in bin/vignetta bin/vignetta-cli; do
    [[ -x "$prefix/$file" ]] && pass "$file" || fail "$file is not installed or not executable"
done
for file in share/vignetta/Help/index.html share/applications/$id.desktop \
        share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
        share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/16x16/apps/$id.png \
        share/icons/hicolor/256x256/apps/$id.png; do
    [[ -f "$prefix/$file" ]] && pass "$file" || fail "$file is not installed"
done

# The built-in presets go along exactly when the build made them.
if [[ -d "$build/bin/Presets" ]]; then
    diff -r "$build/bin/Presets" "$prefix/share/vignetta/Presets" >/dev/null \
        && pass "built-in presets installed" || fail "share/vignetta/Presets differs from the build's"
else
    [[ ! -e "$prefix/share/vignetta/Presets" ]] && pass "no presets built, none installed" \
        || fail "presets installed that the build did not make"
fi

# The installed programs run from there.
if "$prefix/bin/vignetta-cli" --help >/dev/null 2>&1; then pass "installed vignetta-cli runs"; else
    fail "installed vignetta-cli --help failed"; fi

echo "$passes passed, $failures failed"
[[ "$failures" -eq 0 ]]
