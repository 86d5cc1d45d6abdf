#!/usr/bin/env bash
# vignetta-cli render: frames drawn with the preview's painting, checked at known pixels.
# Arguments: path of vignetta-cli, source directory.
set -u
CLI="$1"
SRC="$2"
PROJECT="$SRC/tests/data/render_project"
SCENE="$PROJECT/scene.json"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

passed=0
failed=0
ok() { passed=$((passed + 1)); }
bad() { echo "FAIL: $*"; failed=$((failed + 1)); }

command -v convert >/dev/null || { echo "FAIL: ImageMagick's convert is needed"; exit 1; }

# pixel FILE X Y -> "R G B" in decimal
pixel() {
    local hex
    hex=$(convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-Fa-f]\{6\}')
    printf '%d %d %d' "0x${hex:1:2}" "0x${hex:3:2}" "0x${hex:5:2}"
}

# expect FILE X Y R G B: the pixel within 1 of (R, G, B)
expect() {
    local file="$1" x="$2" y="$3" r g b
    read -r r g b <<<"$(pixel "$file" "$x" "$y")"
    if (( ${r:-999} - $4 <= 1 && $4 - ${r:-999} <= 1 && g - $5 <= 1 && $5 - g <= 1 \
          && b - $6 <= 1 && $6 - b <= 1 )); then
        ok
    else
        bad "$(basename "$file") ($x, $y) is ($r, $g, $b), expected ($4, $5, $6)"
    fi
}

# One frame: the red square at its start, the blue one untoned.
"$CLI" render --project "$PROJECT" "$SCENE" --frame 0 -o "$WORK/f0.png" 2>"$WORK/f0.err"
[ $? -eq 0 ] && ok || bad "render --frame 0 failed: $(cat "$WORK/f0.err")"
[ "$(identify -format '%wx%h' "$WORK/f0.png" 2>/dev/null)" = "816x624" ] && ok \
    || bad "frame 0 is not 816x624"
expect "$WORK/f0.png" 50 50 255 0 0
expect "$WORK/f0.png" 150 50 0 0 0
expect "$WORK/f0.png" 325 325 0 0 255
# The missing picture is named once on standard error.
[ "$(grep -c "picture 'missing'" "$WORK/f0.err")" = "1" ] && ok \
    || bad "missing picture not reported once: $(cat "$WORK/f0.err")"

# A range of frames: numbered files, one report of the missing picture for the whole run.
"$CLI" render --project "$PROJECT" "$SCENE" --frames 29:31 --out-dir "$WORK/seq" 2>"$WORK/seq.err"
[ $? -eq 0 ] && ok || bad "render --frames failed: $(cat "$WORK/seq.err")"
[ "$(ls "$WORK/seq")" = "$(printf 'frame_00029.png\nframe_00030.png\nframe_00031.png')" ] && ok \
    || bad "unexpected files: $(ls "$WORK/seq" | tr '\n' ' ')"
[ "$(grep -c "picture 'missing'" "$WORK/seq.err")" = "1" ] && ok || bad "missing picture reported more than once"
# Frame 30 of 0..60: half way along, tone R +200 at half strength.
expect "$WORK/seq/frame_00030.png" 350 50 255 0 0
expect "$WORK/seq/frame_00030.png" 50 50 0 0 0
expect "$WORK/seq/frame_00030.png" 325 325 100 0 255

# Fade-out half way (brightness 127) over a white square.
"$CLI" render --project "$PROJECT" "$SCENE" --frame 130 -o "$WORK/fade.png" 2>/dev/null
expect "$WORK/fade.png" 50 450 127 127 127

# Flash (alpha trunc(170 * (1 - 5/59)) = 155) over everything, shake 7 moving only the picture.
"$CLI" render --project "$PROJECT" "$SCENE" --frame 205 -o "$WORK/flash.png" 2>/dev/null
expect "$WORK/flash.png" 5 5 155 155 155
expect "$WORK/flash.png" 105 150 155 155 155
expect "$WORK/flash.png" 205 150 255 155 155

# Another screen size.
"$CLI" render --project "$PROJECT" "$SCENE" --frame 0 -o "$WORK/small.png" --size 200x120 2>/dev/null
[ "$(identify -format '%wx%h' "$WORK/small.png" 2>/dev/null)" = "200x120" ] && ok || bad "--size ignored"
expect "$WORK/small.png" 50 50 255 0 0

# A picture name that climbs out of the picture folder is not read.
sed 's/"imageName":"missing"/"imageName":"..\/..\/scene"/' "$SCENE" >"$WORK/climb.json"
cp "$PROJECT/img/pictures/red.png" "$WORK/scene.png"
"$CLI" render --project "$PROJECT" "$WORK/climb.json" --frame 0 -o "$WORK/climb.png" 2>"$WORK/climb.err"
grep -q "outside the picture folder" "$WORK/climb.err" && ok || bad "climbing name not refused: $(cat "$WORK/climb.err")"
expect "$WORK/climb.png" 5 505 0 0 0

# A working copy of the project for the cases that try to write over its files.
cp -r "$PROJECT" "$WORK/project"
COPY="$WORK/project"
before_scene=$(md5sum <"$COPY/scene.json")
before_red=$(md5sum <"$COPY/img/pictures/red.png")

# The output is never an input: not the scene, not a picture it draws, under no other name.
ln -s "$COPY/img/pictures/red.png" "$WORK/red_alias.png"
for target in "$COPY/scene.json" "$COPY/img/../img/pictures/red.png" "$WORK/red_alias.png"; do
    "$CLI" render --project "$COPY" "$COPY/scene.json" --frame 0 -o "$target" 2>"$WORK/same.err"
    status=$?
    [ "$status" = 2 ] && grep -q "is the input" "$WORK/same.err" && ok \
        || bad "-o $target: exit $status ($(cat "$WORK/same.err"))"
done
[ "$(md5sum <"$COPY/scene.json")" = "$before_scene" ] && ok || bad "the scene was overwritten"
[ "$(md5sum <"$COPY/img/pictures/red.png")" = "$before_red" ] && ok || bad "a picture was overwritten"

# A failing disk: exit 1, and the frame written before stays whole.
"$CLI" render --project "$COPY" "$COPY/scene.json" --frame 0 -o "$WORK/kept.png" 2>/dev/null
before_png=$(md5sum <"$WORK/kept.png")
message=$( (trap '' XFSZ; ulimit -f 1
            exec "$CLI" render --project "$COPY" "$COPY/scene.json" --frame 30 -o "$WORK/kept.png") 2>&1)
status=$?
[ "$status" = 1 ] && [[ "$message" == *"kept.png cannot be written"* ]] && ok \
    || bad "render onto a full disk: exit $status ($message)"
[ "$(md5sum <"$WORK/kept.png")" = "$before_png" ] && ok || bad "the earlier frame was damaged"
ls -A "$WORK" | grep -q '^\.kept\.png\.' && bad "a temporary file was left behind" || ok
"$CLI" render --project "$COPY" "$COPY/scene.json" --frame 0 -o /dev/full 2>"$WORK/full.err"
status=$?
[ "$status" = 1 ] && grep -q "/dev/full is not a regular file" "$WORK/full.err" && [ -c /dev/full ] \
    && ok || bad "render -o /dev/full: exit $status ($(cat "$WORK/full.err"))"

# Pictures reached through links out of the picture folder, a pipe, and a name that would
# drive the terminal: none is read, none hangs the run, and each is named safely.
mkdir -p "$WORK/elsewhere"
cp "$PROJECT/img/pictures/white.png" "$WORK/elsewhere/x.png"
ln -s "$WORK/elsewhere/x.png" "$COPY/img/pictures/link.png"
ln -s / "$COPY/img/pictures/root"
mkfifo "$COPY/img/pictures/pipe.png"
escape=$(printf '\033[2J')
cat >"$WORK/hostile.json" <<JSON
[{"blockId":1,"laneId":1,"eventData":{"blockMode":0,"imageIndex":1,"imageName":"link"}},
 {"blockId":2,"laneId":2,"eventData":{"blockMode":0,"imageIndex":2,"imageName":"root$WORK/elsewhere/x"}},
 {"blockId":3,"laneId":3,"eventData":{"blockMode":0,"imageIndex":3,"imageName":"pipe"}},
 {"blockId":4,"laneId":4,"eventData":{"blockMode":0,"imageIndex":4,"imageName":"\u001b[2J"}}]
JSON
timeout 60 "$CLI" render --project "$COPY" "$WORK/hostile.json" --frame 0 -o "$WORK/hostile.png" \
    2>"$WORK/hostile.err"
status=$?
[ "$status" = 0 ] && ok || bad "hostile pictures: exit $status ($(cat "$WORK/hostile.err"))"
[ "$(grep -c "outside the picture folder" "$WORK/hostile.err")" = 2 ] && ok \
    || bad "links out of the folder not refused: $(cat "$WORK/hostile.err")"
grep -q "pipe.png is not a regular file" "$WORK/hostile.err" && ok \
    || bad "the pipe is not named: $(cat "$WORK/hostile.err")"
grep -qF "$escape" "$WORK/hostile.err" && bad "an escape sequence reached the terminal" || ok
grep -qF "picture '\u001b[2J'" "$WORK/hostile.err" && ok || bad "escaped name missing"
expect "$WORK/hostile.png" 5 5 0 0 0

# Wrong arguments (2) and unusable input (1), with a message and no output file.
check_status() {
    local want="$1"; shift
    "$CLI" render --project "$PROJECT" "$@" >/dev/null 2>"$WORK/err"
    local got=$?
    [ "$got" = "$want" ] && grep -q "vignetta-cli: render:" "$WORK/err" && ok \
        || bad "render $* gave $got ($(cat "$WORK/err")), expected $want"
}
check_status 2 "$SCENE" --frame 0
check_status 2 "$SCENE" --frame 10000 -o "$WORK/x.png"
check_status 2 "$SCENE" --frames 5:2 --out-dir "$WORK/x"
check_status 2 "$SCENE" --frame 0 -o "$WORK/x.png" --size 0x10
echo "not json" >"$WORK/broken.json"
check_status 1 "$WORK/broken.json" --frame 0 -o "$WORK/x.png"
check_status 1 "$SCENE" --frame 0 -o "$WORK/no/such/dir/x.png"
[ ! -e "$WORK/x.png" ] && ok || bad "an output file was written on failure"

# The bundled sample project's demo scene, when it is there.
SAMPLE="${VIGNETTA_SAMPLE_DIR:-$SRC/sample/SampleProject}"
if [ -f "$SAMPLE/scenes/demo.json" ]; then
    "$CLI" render --project "$SAMPLE" "$SAMPLE/scenes/demo.json" --frames 0:30 --out-dir "$WORK/demo" \
        2>"$WORK/demo.err"
    [ $? -eq 0 ] && [ ! -s "$WORK/demo.err" ] && ok || bad "demo scene: $(cat "$WORK/demo.err")"
    # The scene fades in from black over its first 24 frames.
    expect "$WORK/demo/frame_00000.png" 408 312 0 0 0
    expect "$WORK/demo/frame_00000.png" 700 500 0 0 0
    # At frame 30 the meadow is tinted by 30/959 of (68, -34, -34): (+2, -1, -1).
    read -r mr mg mb <<<"$(pixel "$SAMPLE/img/pictures/Meadow.png" 600 500)"
    clamp() { local v=$1; (( v < 0 )) && v=0; (( v > 255 )) && v=255; echo "$v"; }
    expect "$WORK/demo/frame_00030.png" 600 500 "$(clamp $((mr + 2)))" "$(clamp $((mg - 1)))" \
        "$(clamp $((mb - 1)))"
else
    echo "SKIP: no sample project at $SAMPLE"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
