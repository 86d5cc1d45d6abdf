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

# exits WANT LABEL ARGS...: runs vignetta-cli and checks its exit status
exits() { local want=$1 label=$2; shift 2; run "$@"; expect_status "$want" "$label"; }
# refused WANT LABEL NEEDLE ARGS...: as exits, and the one-line message names NEEDLE
refused() {
    local want=$1 label=$2 needle=$3; shift 3
    exits "$want" "$label" "$@"
    expect_message "$label" "$needle"
}

# --- help, version, usage ---
exits 0 "--help" --help
grep -q "convert SCENE.json" "$out" || fail "--help does not list convert"
exits 0 "--version" --version
grep -qE '^vignetta-cli [0-9]+\.[0-9]+\.[0-9]+$' "$out" || fail "--version prints $(cat "$out")"
exits 2 "no arguments"
refused 2 "unknown command" frobnicate frobnicate
exits 2 "convert without a file" convert
exits 2 "convert with two files" convert a.json b.json

# --- convert: the exact bytes of the list, one trailing line feed ---
for case in picture_and_text cut_pictures long_waits; do
    exits 0 "convert $case" convert "$DATA/conversion/$case/scene.json"
    tr -d '\n' <"$DATA/conversion/$case/expected.json" >"$TMP/want"
    printf '\n' >>"$TMP/want"
    cmp -s "$out" "$TMP/want" || fail "convert $case: output differs from the hand-worked list"
done

# --- bad input: exit 1, one line naming the file and the problem (which texts are refused is
# the scene reader's business and tested with it; these check how the command reports) ---
printf '[{"blockId":1,\n  "laneId": oops}]' >"$TMP/broken.json"
refused 1 "malformed JSON" "$TMP/broken.json" convert "$TMP/broken.json"
grep -q "line 2, column" "$err" || fail "malformed JSON: no position in $(cat "$err")"

refused 1 "missing file" "$TMP/missing.json" convert "$TMP/missing.json"

printf '{"blockId":1}' >"$TMP/object.json"
refused 1 "object at top level" "not an array" check "$TMP/object.json"

printf '[{"blockId":1,"laneId":1,"eventData":{"blockStart":"soon"}}]' >"$TMP/type.json"
refused 1 "string frame" "$TMP/type.json" check "$TMP/type.json"

printf '[{"blockId":1,"laneId":1,"eventData":{"blockMode":0,"imageIndex":1}},{"blockId":1,"laneId":2,"eventData":{}}]' >"$TMP/dup.json"
refused 1 "duplicate ids" "two blocks have blockId 1" convert "$TMP/dup.json"

printf '[{"blockId":1,"laneId":1,"eventData":{"messageText":"\xff\xfe"}}]' >"$TMP/utf8.json"
refused 1 "invalid UTF-8" "$TMP/utf8.json" convert "$TMP/utf8.json"

# --- check ---
exits 0 "check" check "$DATA/conversion/long_waits/scene.json"
grep -q "ok, 5 blocks (5 markers) on lanes 0 to 1, ending at frame 6498" "$out" ||
    fail "check summary: $(cat "$out")"
# Two markers on one frame overlap on the marker lane: no editor makes that.
refused 1 "overlapping blocks" "block 5 (blockId 5, frames 40 to 41) and block 6 (blockId 6, frames 40 to 41) overlap on lane 0" \
    check "$DATA/conversion/comments/scene.json"

# --- insert: the ripple example, byte for byte; the input files stay as they were ---
cp "$DATA/cli/ripple_scene.json" "$TMP/scene.json"
exits 0 "insert" insert "$TMP/scene.json" "$DATA/cli/one_picture.json" --frame 100 --lane 1
printf '\n' | cat "$DATA/cli/ripple_expected.json" - >"$TMP/want"
cmp -s "$out" "$TMP/want" || fail "insert: got $(cat "$out")"
cmp -s "$TMP/scene.json" "$DATA/cli/ripple_scene.json" || fail "insert changed its input file"

refused 3 "insert past the last frame" "refused" \
    insert "$TMP/scene.json" "$DATA/cli/one_picture.json" --frame 9990 --lane 1
refused 3 "insert past the last lane" "refused" \
    insert "$TMP/scene.json" "$DATA/conversion/cut_pictures/scene.json" --frame 0 --lane 99

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
# messages(N): N message blocks on lane 1, 20 frames apart
messages() {
    local i sep=""
    printf '['
    for i in $(seq 1 "$1"); do
        printf '%s{"blockId":%d,"laneId":1,"eventData":{"blockMode":1,"blockStart":%d,"blockDelay":16}}' \
            "$sep" "$i" $(((i - 1) * 20))
        sep=,
    done
    printf ']'
}
messages 4 >"$TMP/four.json"
messages 5 >"$TMP/five.json"
exits 0 "insert up to 999 blocks" insert "$TMP/full.json" "$TMP/four.json" --frame 2000 --lane 1
cp "$out" "$TMP/inserted.json"
run check "$TMP/inserted.json"
grep -q "ok, 999 blocks" "$out" || fail "inserted scene: $(cat "$out")"
refused 3 "insert beyond 999 blocks" "999" \
    insert "$TMP/full.json" "$TMP/five.json" --frame 2000 --lane 1

one="$DATA/cli/one_picture.json"
exits 2 "insert with a bad frame" insert "$TMP/scene.json" "$one" --frame soon
exits 2 "insert on the marker lane" insert "$TMP/scene.json" "$one" --lane 0
exits 2 "insert with a missing value" insert "$TMP/scene.json" "$one" --frame
exits 2 "insert without a blocks file" insert "$TMP/scene.json" --frame 3
exits 1 "insert into a missing scene" insert "$TMP/missing.json" "$one"

# --- no block id left: blockId 2147483647 is in use ---
printf '[{"blockId":2147483647,"laneId":1,"eventData":{"blockStart":0,"blockDelay":10}}]' >"$TMP/top_id.json"
refused 3 "insert without a free id" "blockId 2147483647, which leaves 0 new ids for 1 blocks" \
    insert "$TMP/top_id.json" "$one" --frame 100 --lane 1

# --- output that cannot be written: exit 1 and a message, never success ---
"$CLI" convert "$DATA/conversion/cut_pictures/scene.json" >/dev/full 2>"$TMP/err"
status=$?
[ "$status" -eq 1 ] && grep -q "cannot write to standard output" "$TMP/err" ||
    fail "convert to /dev/full: exit $status ($(cat "$TMP/err"))"
"$CLI" --help >/dev/full 2>/dev/null && fail "--help to /dev/full reported success"
# A file that may not grow (as on a full disk): the shell's redirection succeeds, the writes fail.
# (The message comes through a pipe: a file could not take it either.)
message=$( (trap '' XFSZ; ulimit -f 0
            exec "$CLI" insert "$TMP/scene.json" "$one" --frame 100 >"$TMP/full_disk.json") 2>&1)
status=$?
[ "$status" -eq 1 ] && [[ "$message" == *"cannot write to standard output"* ]] ||
    fail "insert onto a full disk: exit $status ($message)"

# --- standard output onto an input is refused before anything is read or written ---
cp "$DATA/cli/ripple_scene.json" "$TMP/same.json"
"$CLI" convert "$TMP/same.json" >>"$TMP/same.json" 2>"$TMP/err"
status=$?
[ "$status" -eq 2 ] && grep -q "standard output is the input file" "$TMP/err" ||
    fail "convert onto its input: exit $status ($(cat "$TMP/err"))"
cmp -s "$TMP/same.json" "$DATA/cli/ripple_scene.json" || fail "convert changed its input"
ln -s "$TMP/same.json" "$TMP/same_link.json"
"$CLI" insert "$TMP/scene.json" "$TMP/same_link.json" >>"$TMP/same.json" 2>/dev/null
[ $? -eq 2 ] || fail "insert onto its blocks file (through a link) was not refused"
cmp -s "$TMP/same.json" "$DATA/cli/ripple_scene.json" || fail "insert changed its input"

# --- names and text quoted in messages reach the terminal escaped ---
run convert "$TMP/$(printf '\033[31mred')"
expect_status 1 "escape sequence in a file name"
grep -q $'\033' "$err" && fail "an escape character reached standard error"
grep -qF '\u001b[31mred' "$err" || fail "escaped name missing: $(cat "$err")"

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
