#!/usr/bin/env bash
# The files a desktop reads about Vignetta: the desktop entry and the AppStream metadata pass
# their validators, the MIME type makes "*.fabproject" a project that the entry opens, and
# every name they share (id, icon, MIME type, program) matches what is installed.
# Usage: desktop_files.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
src="$2/packaging"
id="example.vignettaworks.Vignetta"
desktop="$src/$id.desktop"
metainfo="$src/$id.metainfo.xml"
mime="$src/$id.mime.xml"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
passes=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }
entry() { sed -n "s/^$1=//p" "$desktop"; }

if desktop-file-validate "$desktop"; then pass "desktop-file-validate"; else
    fail "desktop-file-validate"; fi
if appstreamcli validate --no-net "$metainfo"; then pass "appstreamcli validate --no-net"; else
    fail "appstreamcli validate --no-net"; fi

# The MIME database built from our type alone maps the project suffix to it.
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/$id.xml"
type="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")"
if update-mime-database "$work/mime" 2>"$work/mime.log" \
        && grep -q "^50:$type:\*\.fabproject$" "$work/mime/globs2"; then
    pass "*.fabproject is $type"
else
    fail "MIME database: $(cat "$work/mime.log") $(cat "$work/mime/globs2" 2>/dev/null)"
fi

[[ "$(entry MimeType)" == "$type;" ]] && pass "the entry opens $type" \
    || fail "MimeType=$(entry MimeType), expected $type;"
[[ "$(entry Exec)" == "vignetta %f" ]] && pass "Exec passes one file" \
    || fail "Exec=$(entry Exec)"
grep -q "<id>$id</id>" "$metainfo" && grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    && pass "metadata names the entry" || fail "metadata id or launchable is not $id"
grep -q "<mediatype>$type</mediatype>" "$metainfo" && pass "metadata names the MIME type" \
    || fail "metadata lacks <mediatype>$type</mediatype>"

# The icon the entry names (its sizes are checked with the application icon's resources).
icon="$(entry Icon)"
[[ "$icon" == "$id" ]] && pass "icon named after the id" || fail "Icon=$icon"
xmllint --noout "$src/icons/hicolor/scalable/apps/$icon.svg" && pass "scalable icon" \
    || fail "scalable icon missing or not XML"

echo "$passes passed, $failures failed"
[[ "$failures" -eq 0 ]]
