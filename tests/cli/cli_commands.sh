#!/usr/bin/env bash
# vignetta-cli end to end: output bytes, exit statuses and messages of convert, insert and check.
# Arguments: path of vignetta-cli, source directory.
set -u
CLI=$1
SRC=$2
DATA=$SRC/tests/data
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run ARGS...: sets $status, $out (stdout file) and $err (stderr file)
run() {
    "$CLI" "$@" >"$TMP/out" 2>"$TMP/err"
    status=$?
    out=$TMP/out
    err=$TMP/err
}

expect_status() { [ "$status" -eq "$1" ] || fail "$2: exit $status, wanted $1 ($(cat "$err"))"; }

# A refusal is exactly one line on stderr, naming what it must name, with nothing on stdout.
expect_message() {
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$1: stderr is not one line: $(cat "$err")"
    grep -qF -- "$2" "$err" || fail "$1: message lacks '$2': $(cat "$err")"
    [ ! -s "$out" ] || fail "$1: printed output on failure"
}

# --- help, version, usage ---
run --help
expect_status 0 "--help"
grep -q "convert SCENE.json" "$out" || fail "--help does not list convert"
run --version
expect_status 0 "--version"
grep -qE '^vignetta-cli [0-9]+\.[0-9]+\.[0-9]+$' "$out" || fail "--version prints $(cat "$out")"
run
expect_status 2 "no arguments"
run frobnicate
expect_status 2 "unknown command"
expect_message "unknown command" "frobnicate"
run convert
expect_status 2 "convert without a file"

# --- convert: the exact bytes of the list, one trailing line feed ---
for case in picture_and_text cut_pictures long_waits; do
    run convert "$DATA/conversion/$case/scene.json"
    expect_status 0 "convert $case"
    tr -d '\n' <"$DATA/conversion/$case/expected.json" >"$TMP/want"
    printf '\n' >>"$TMP/want"
    cmp -s "$out" "$TMP/want" || fail "convert $case: output differs from the hand-worked list"
done

# --- bad input: exit 1, one line naming the file and the problem ---
printf '[{"blockId":1,\n  "laneId": oops}]' >"$TMP/broken.json"
run convert "$TMP/broken.json"
expect_status 1 "malformed JSON"
expect_message "malformed JSON" "$TMP/broken.json"
grep -q "line 2, column" "$err" || fail "malformed JSON: no position in $(cat "$err")"

run convert "$TMP/missing.json"
expect_status 1 "missing file"
expect_message "missing file" "$TMP/missing.json"

printf '{"blockId":1}' >"$TMP/object.json"
run check "$TMP/object.json"
expect_status 1 "object at top level"
expect_message "object at top level" "not an array"

printf '[]' >"$TMP/empty.json"
run convert "$TMP/empty.json"
expect_status 1 "empty array"
expect_message "empty array" "$TMP/empty.json"

printf '[{"blockId":0,"laneId":1,"eventData":{}}]' >"$TMP/zero.json"
run convert "$TMP/zero.json"
expect_status 1 "first blockId 0"
expect_message "first blockId 0" "blockId"

printf '[{"blockId":1,"laneId":1,"eventData":{"blockStart":"soon"}}]' >"$TMP/type.json"
run check "$TMP/type.json"
expect_status 1 "string frame"
expect_message "string frame" "$TMP/type.json"

printf '[{"blockId":1,"laneId":1,"eventData":{"blockMode":0,"imageIndex":1}},{"blockId":1,"laneId":2,"eventData":{}}]' >"$TMP/dup.json"
run convert "$TMP/dup.json"
expect_status 1 "duplicate ids"
expect_message "duplicate ids" "two blocks have blockId 1"

printf '[{"blockId":1,"laneId":1,"eventData":{"messageText":"\xff\xfe"}}]' >"$TMP/utf8.json"
run convert "$TMP/utf8.json"
expect_status 1 "invalid UTF-8"
expect_message "invalid UTF-8" "$TMP/utf8.json"

# --- check ---
run check "$DATA/conversion/comments/scene.json"
expect_status 0 "check"
grep -q "ok, 6 blocks (6 markers) on lanes 0 to 1, ending at frame 41" "$out" ||
    fail "check summary: $(cat "$out")"

# --- insert: the ripple example, byte for byte; the input files stay as they were ---
cp "$DATA/cli/ripple_scene.json" "$TMP/scene.json"
run insert "$TMP/scene.json" "$DATA/cli/one_picture.json" --frame 100 --lane 1
expect_status 0 "insert"
printf '\n' | cat "$DATA/cli/ripple_expected.json" - >"$TMP/want"
cmp -s "$out" "$TMP/want" || fail "insert: got $(cat "$out")"
cmp -s "$TMP/scene.json" "$DATA/cli/ripple_scene.json" || fail "insert changed its input file"

run insert "$TMP/scene.json" "$DATA/cli/one_picture.json" --frame 9990 --lane 1
expect_status 3 "insert past the last frame"
expect_message "insert past the last frame" "refused"

run insert "$TMP/scene.json" "$DATA/conversion/cut_pictures/scene.json" --frame 0 --lane 99
expect_status 3 "insert past the last lane"
expect_message "insert past the last lane" "refused"

# 995 blocks in the scene: four more fit, five do not.
{
    printf '['
    for i in $(seq 1 995); do
        [ "$i" -gt 1 ] && printf ','
        printf '{"blockId":%d,"laneId":%d,"eventData":{"blockStart":%d,"blockDelay":5,"blockMode":1}}' \
            "$i" $((i % 90 + 1)) $((i / 90 * 10))
    done
    printf ']'
} >"$TMP/full.json"
printf '[{"blockId":1,"laneId":1,"eventData":{"blockMode":1}},{"blockId":2,"laneId":1,"eventData":{"blockMode":1,"blockStart":20}},{"blockId":3,"laneId":1,"eventData":{"blockMode":1,"blockStart":40}},{"blockId":4,"laneId":1,"eventData":{"blockMode":1,"blockStart":60}}]' >"$TMP/four.json"
printf '[{"blockId":1,"laneId":1,"eventData":{"blockMode":1}},{"blockId":2,"laneId":1,"eventData":{"blockMode":1,"blockStart":20}},{"blockId":3,"laneId":1,"eventData":{"blockMode":1,"blockStart":40}},{"blockId":4,"laneId":1,"eventData":{"blockMode":1,"blockStart":60}},{"blockId":5,"laneId":1,"eventData":{"blockMode":1,"blockStart":80}}]' >"$TMP/five.json"
run insert "$TMP/full.json" "$TMP/four.json" --frame 2000 --lane 1
expect_status 0 "insert up to 999 blocks"
cp "$out" "$TMP/inserted.json"
run check "$TMP/inserted.json"
grep -q "ok, 999 blocks" "$out" || fail "inserted scene: $(cat "$out")"
run insert "$TMP/full.json" "$TMP/five.json" --frame 2000 --lane 1
expect_status 3 "insert beyond 999 blocks"
expect_message "insert beyond 999 blocks" "999"

run insert "$TMP/scene.json" "$DATA/cli/one_picture.json" --frame soon
expect_status 2 "insert with a bad frame"
run insert "$TMP/scene.json" "$DATA/cli/one_picture.json" --lane 0
expect_status 2 "insert on the marker lane"
run insert "$TMP/scene.json" --frame 3
expect_status 2 "insert without a blocks file"

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
