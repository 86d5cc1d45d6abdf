#!/usr/bin/env bash
# vignetta-cli render: message windows and scrolling texts drawn into frames, and scenes played
# tick by tick with --playback and --trace.
# Arguments: path of vignetta-cli, source directory.
set -u
CLI="$1"
SRC="$2"
SAMPLE="$SRC/sample/SampleProject"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export QT_QPA_PLATFORM=offscreen

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

# count FILE GEOMETRY R G B: pixels of exactly that colour in the region WxH+X+Y
count() {
    convert "$1" -crop "$2" +repage -fill black +opaque "rgb($3,$4,$5)" -fill white \
        -opaque "rgb($3,$4,$5)" -format '%[fx:round(mean*w*h)]' info:
}

# A scene of one message block (lane 1, from frame 2) with the given text, face and position.
message_scene() {
    printf '[{"blockId":1,"laneId":1,"eventData":{"blockStart":2,"blockDelay":5,"blockMode":1,'
    printf '"messageText":"%s","messageImageName":"%s","messageImageIndex":0,' "$1" "$2"
    printf '"messageBackground":0,"messagePosition":%s}}]' "${3:-2}"
}

PANEL="34 68 136"          # the default theme's window colour, #224488
FRAME="122 129 136"        # its border: #d0dbe8 darkened by 1.7
OUTLINE="17 34 68"         # half-opaque black over the window colour

# --- A demo frame with a message: window, border, face, skin colour, outlines --------------
"$CLI" render --project "$SAMPLE" "$SAMPLE/scenes/demo.json" --frame 335 -o "$WORK/msg.png" \
    2>"$WORK/msg.err"
[ $? -eq 0 ] && [ ! -s "$WORK/msg.err" ] && ok || bad "demo frame 335: $(cat "$WORK/msg.err")"
# The window is 796 x 160 at (8, 456): its border on the edge pixels, the panel inside.
expect "$WORK/msg.png" 8 456 $FRAME
expect "$WORK/msg.png" 803 615 $FRAME
expect "$WORK/msg.png" 9 457 $PANEL
expect "$WORK/msg.png" 795 607 $PANEL
# Outside it the scene shows through.
[ "$(pixel "$WORK/msg.png" 7 500)" != "$(echo $FRAME)" ] && ok || bad "the window is wider than 796"
# The face cell 0 of People1 at the text area's corner (16, 464), at its natural size.
read -r fr fg fb <<<"$(pixel "$SAMPLE/img/faces/People1.png" 72 110)"
expect "$WORK/msg.png" 88 574 "$fr" "$fg" "$fb"
# "Lena:" is drawn from x 184 in colour 6 of the skin, outlined in half-opaque black.
[ "$(count "$WORK/msg.png" 80x40+184+464 255 255 160)" -gt 20 ] && ok \
    || bad "no text in the skin's colour 6 on the first line"
read -r or og ob <<<"$OUTLINE"
[ "$(count "$WORK/msg.png" 80x40+184+464 "$or" "$og" "$ob")" -gt 20 ] && ok \
    || bad "no outline around the first line"
# Nothing of the text is left of the face's end.
[ "$(count "$WORK/msg.png" 16x144+164+464 255 255 160)" -eq 0 ] && ok || bad "text starts before x 184"

# --- --message-line: the page holding the line, as the editor shows the line being edited --
printf '%s' "$(message_scene 'one\nTWO\nthree\nfour\nfive\nsix' '' 0)" >"$WORK/six.json"
"$CLI" render --project "$SAMPLE" "$WORK/six.json" --frame 2 -o "$WORK/page1.png" 2>/dev/null
"$CLI" render --project "$SAMPLE" "$WORK/six.json" --frame 2 -o "$WORK/page2.png" \
    --message-line 5 2>/dev/null
# Window at the top (position 0); the first page fills four lines, the second only two.
w1=$(count "$WORK/page1.png" 780x36+16+124 255 255 255)
w2=$(count "$WORK/page2.png" 780x36+16+124 255 255 255)
[ "$w1" -gt 0 ] && [ "$w2" -eq 0 ] && ok || bad "--message-line 5 does not show the second page ($w1, $w2)"
[ "$(count "$WORK/page2.png" 780x36+16+16 255 255 255)" -gt 0 ] && ok || bad "second page empty"

# --- Playback: the text grows one character a tick while the timeline stands still --------
"$CLI" render --project "$SAMPLE" "$SAMPLE/scenes/demo.json" --playback --frames 330:345 \
    --out-dir "$WORK/pb" 2>"$WORK/pb.err"
[ $? -eq 0 ] && ok || bad "playback failed: $(cat "$WORK/pb.err")"
[ "$(ls "$WORK/pb" | wc -l)" = "16" ] && ok || bad "expected 16 ticks, got $(ls "$WORK/pb" | wc -l)"
before=$(count "$WORK/pb/frame_00335.png" 600x40+184+464 255 255 160)
after=$(count "$WORK/pb/frame_00345.png" 600x80+184+464 255 255 255)
first=$(count "$WORK/pb/frame_00335.png" 600x80+184+464 255 255 255)
[ "$before" -gt 0 ] && [ "$after" -gt "$first" ] && ok \
    || bad "the text does not grow ($before name pixels; white $first then $after)"
# The window stands at the same place on every tick.
expect "$WORK/pb/frame_00345.png" 8 456 $FRAME

# --- --trace of a 5-line message with a one-second wait and the no-wait code --------------
printf '%s' "$(message_scene 'a\\|\nb\nc\nd\ne\\^' '')" >"$WORK/five.json"
"$CLI" render --project "$SAMPLE" "$WORK/five.json" --playback --frames 0:88 \
    --press-at 85 --trace "$WORK/trace.jsonl" 2>"$WORK/trace.err"
[ $? -eq 0 ] && ok || bad "trace run failed: $(cat "$WORK/trace.err")"
line() { # tick frame hold page visible wait pause terminated
    printf '{"tick":%d,"frame":%d,"hold":%s,"text":"message","blockId":1,"page":%d,"visible":%d,"waitCount":%d,"pause":%s,"terminated":%s}\n' "$@"
}
{
    printf '{"tick":0,"frame":0,"hold":false,"text":null}\n{"tick":1,"frame":1,"hold":false,"text":null}\n'
    line 2 2 true 1 1 0 false false
    line 3 2 true 1 1 60 false false          # \| waits 60 frames
    for t in $(seq 4 63); do line "$t" 2 true 1 1 $((63 - t)) false false; done
    line 64 2 true 1 1 0 false false          # newline
    line 65 2 true 1 2 0 false false
    line 66 2 true 1 2 0 false false
    line 67 2 true 1 3 0 false false
    line 68 2 true 1 3 0 false false
    line 69 2 true 1 4 0 false false
    line 70 2 true 1 4 10 true false          # no room for line 5: pause after 10 frames
    for t in $(seq 71 84); do line "$t" 2 true 1 4 $(( t <= 80 ? 80 - t : 0 )) true false; done
    line 85 2 true 1 4 0 false false          # the press ends the pause
    line 86 2 true 2 1 0 false false          # line 5 on a new page
    line 87 2 false 2 1 0 false true          # \^ at the end: over without input
    printf '{"tick":88,"frame":3,"hold":false,"text":null}\n'
} >"$WORK/expected.jsonl"
if diff "$WORK/expected.jsonl" "$WORK/trace.jsonl" >"$WORK/trace.diff"; then
    ok
else
    bad "trace differs:"; head -20 "$WORK/trace.diff"
fi
# --auto-advance ends the same pause after 3 ticks of waiting (80, 81, 82): pressed at 83.
"$CLI" render --project "$SAMPLE" "$WORK/five.json" --playback --frames 82:83 --auto-advance 3 \
    --trace "$WORK/auto.jsonl" 2>/dev/null
[ "$(cat "$WORK/auto.jsonl")" = "$(line 82 2 true 1 4 0 true false; line 83 2 true 1 4 0 false false)" ] \
    && ok || bad "auto-advance: $(cat "$WORK/auto.jsonl")"

# --- Bad input: no crash, nothing read outside the project, texts left out with a note ----
# A face name that climbs out of the faces folder is not read; the text still leaves room.
printf '%s' "$(message_scene 'Hi' '../pictures/Lena')" >"$WORK/climb.json"
"$CLI" render --project "$SAMPLE" "$WORK/climb.json" --frame 2 -o "$WORK/climb.png" 2>"$WORK/climb.err"
[ $? -eq 0 ] && grep -q "face '../pictures/Lena' cannot be read" "$WORK/climb.err" && ok \
    || bad "climbing face name: $(cat "$WORK/climb.err")"
expect "$WORK/climb.png" 88 574 $PANEL
# Huge and unterminated codes, invalid bytes and a CR LF.
printf '[{"blockId":1,"laneId":1,"eventData":{"blockStart":0,"blockDelay":5,"blockMode":1,"messageText":"\\\\C[\\\\I[99999999999]\\\\N[99999]\\\\C[-1]\\\\I[\\r\\n%s"}}]' \
    "$(printf '\\\\{%.0s' $(seq 100))" >"$WORK/codes.json"
"$CLI" render --project "$SAMPLE" "$WORK/codes.json" --frame 0 -o "$WORK/codes.png" 2>"$WORK/codes.err"
[ $? -eq 0 ] && ok || bad "odd codes: $(cat "$WORK/codes.err")"
"$CLI" render --project "$SAMPLE" "$WORK/codes.json" --playback --frames 0:400 \
    --trace "$WORK/codes.jsonl" --auto-advance 1 2>/dev/null
[ $? -eq 0 ] && grep -q '"terminated":true' "$WORK/codes.jsonl" && ok || bad "odd codes do not play to the end"

# Without a usable window skin the texts are left out (and said so once); pictures still draw.
mkdir -p "$WORK/proj/img/system" "$WORK/proj/data"
cp "$SAMPLE"/data/*.json "$WORK/proj/data/"
cp "$SAMPLE/img/system/IconSet.png" "$WORK/proj/img/system/"
printf '%s' "$(message_scene 'Hello' '' 2)" >"$WORK/hello.json"
"$CLI" render --project "$WORK/proj" "$WORK/hello.json" --frame 2 -o "$WORK/noskin.png" 2>"$WORK/noskin.err"
[ $? -eq 0 ] && [ "$(grep -c "Window.png" "$WORK/noskin.err")" = "1" ] && ok \
    || bad "missing skin not reported once: $(cat "$WORK/noskin.err")"
expect "$WORK/noskin.png" 9 457 0 0 0
echo "not a png" >"$WORK/proj/img/system/Window.png"
"$CLI" render --project "$WORK/proj" "$WORK/hello.json" --playback --frames 0:5 \
    --trace "$WORK/corrupt.jsonl" 2>/dev/null
[ $? -eq 0 ] && [ "$(grep -c '"text":null' "$WORK/corrupt.jsonl")" = "6" ] && \
    grep -q '"tick":5,"frame":5' "$WORK/corrupt.jsonl" && ok || bad "corrupt skin still holds the timeline"
# A 1 x 1 skin is an image: the window is drawn, every colour black.
convert -size 1x1 xc:white "$WORK/proj/img/system/Window.png"
"$CLI" render --project "$WORK/proj" "$WORK/hello.json" --frame 2 -o "$WORK/tiny.png" 2>"$WORK/tiny.err"
[ $? -eq 0 ] && ok || bad "1x1 skin: $(cat "$WORK/tiny.err")"
expect "$WORK/tiny.png" 9 457 $PANEL
[ "$(count "$WORK/tiny.png" 780x36+16+464 255 255 255)" -eq 0 ] && ok || bad "1x1 skin gives white text"

# --- Wrong arguments ------------------------------------------------------------------------
check_usage() {
    "$CLI" render --project "$SAMPLE" "$@" >/dev/null 2>"$WORK/err"
    local got=$?
    [ "$got" = 2 ] && grep -q "vignetta-cli: render:" "$WORK/err" && ok \
        || bad "render $* gave $got ($(cat "$WORK/err")), expected 2"
}
check_usage "$WORK/five.json" --frame 0 -o "$WORK/x.png" --trace "$WORK/t"
check_usage "$WORK/five.json" --frame 0 -o "$WORK/x.png" --press-at 3
check_usage "$WORK/five.json" --playback --frames 0:5 --press-at 3,x --trace "$WORK/t"
check_usage "$WORK/five.json" --playback --frames 0:5 --hold 5:2 --trace "$WORK/t"
check_usage "$WORK/five.json" --playback --frames 0:5 --auto-advance 0 --trace "$WORK/t"
check_usage "$WORK/five.json" --playback --frames 0:5
check_usage "$WORK/five.json" --playback --frame 0 -o "$WORK/x.png" --message-line 2
check_usage "$WORK/five.json" --frame 0 -o "$WORK/x.png" --message-line -1
# Playback ticks may run past the scene's last frame; frames of the scene may not.
check_usage "$WORK/five.json" --frames 0:10000 --out-dir "$WORK/x"
"$CLI" render --project "$SAMPLE" "$WORK/five.json" --playback --frames 10500:10500 \
    --trace "$WORK/long.jsonl" 2>/dev/null && grep -q '"tick":10500' "$WORK/long.jsonl" && ok \
    || bad "playback cannot run past frame 9999"
# An unwritable trace fails with status 1 and leaves no file.
"$CLI" render --project "$SAMPLE" "$WORK/five.json" --playback --frames 0:2 \
    --trace "$WORK/no/such/dir/t.jsonl" 2>"$WORK/err"
[ $? = 1 ] && grep -q "t.jsonl cannot be written" "$WORK/err" && ok || bad "unwritable trace: $(cat "$WORK/err")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
