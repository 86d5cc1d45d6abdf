#!/bin/bash
# Presets in the real editor under Xvfb: the demo scene saved as a preset in a new category
# (its files copied into the user's collection), then inserted into a second copy of the
# sample project that lacks those files (the files arrive, and Copy As Event equals the
# command-line conversion of the preset's blocks placed at the cursor); finally the editor is
# killed in the middle of a copy, and every target must be absent or whole.
# Arguments: the bin directory and the source directory.
set -u
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
USER_PRESETS="$XDG_DATA_HOME/VignettaWorks/Vignetta/Presets"

# Insertion goes to the cursor on the selected lane; a fresh project has the cursor at frame 0
# and no lane selected, which means lane 1.
CURSOR_FRAME=0
CURSOR_LANE=1

SCENE="$SAMPLE/scenes/demo.json"

type_to() {
    focus "$1"
    xdotool type --delay 10 "$2"
}
# Asset paths the blocks of a scene file use, one per line, relative to a project folder.
assets_of() {
    $PY - "$1" <<'PY'
import json, sys
blocks = json.load(open(sys.argv[1], encoding="utf-8"))
pictures, faces, sounds = [], [], {c: [] for c in ("bgm", "bgs", "me", "se")}
for b in blocks:
    d = b["eventData"]
    if d["blockMode"] == 0 and d["imageName"] and d["imageName"] not in pictures:
        pictures.append(d["imageName"])
    if d["blockMode"] == 1 and d["messageImageName"] and d["messageImageName"] not in faces:
        faces.append(d["messageImageName"])
    if d["blockMode"] == 3 and d["audioName"] and d["audioType"] in sounds \
            and d["audioName"] not in sounds[d["audioType"]]:
        sounds[d["audioType"]].append(d["audioName"])
for p in pictures: print("img/pictures/%s.png" % p)
for f in faces: print("img/faces/%s.png" % f)
for c, names in sounds.items():
    for n in names: print("audio/%s/%s.m4a\naudio/%s/%s.ogg" % (c, n, c, n))
PY
}
# Prints the block array of preset $3 of category $2 in the collection file $1.
preset_blocks() {
    $PY - "$@" <<'PY'
import json, sys
categories = json.load(open(sys.argv[1], encoding="utf-8"))
for c in categories:
    if c["name"] == sys.argv[2]:
        for p in c["presets"]:
            if p["name"] == sys.argv[3]:
                print(json.dumps(p["data"], ensure_ascii=False, separators=(",", ":")))
PY
}
assets_of "$SCENE" >"$WORK/assets.txt"

# --- 1. The demo scene becomes a preset of a new category ----------------------------------
cp -r "$SAMPLE" "$WORK/First"
open_editor "$WORK/First/Sample.fabproject"
if [ -z "$MAIN" ]; then fail "no main window"; cat "$EDITOR_LOG"; exit 1; fi
import_event "$SCENE" || fail "no box after the import"

# File: Open FC Project, New Timeline, Import, Export, Add Preset
DIALOG=$(menu_to_window 0 5 "Add Preset")
if [ -z "$DIALOG" ]; then
    fail "File > Add Preset opened no dialog"
else
    sleep 0.5
    keys_to "$DIALOG" Tab
    type_to "$DIALOG" "E2E Scenes"
    keys_to "$DIALOG" Tab
    type_to "$DIALOG" "Demo Scene"
    keys_to "$DIALOG" Return
    answer_box || fail "no confirmation of the files to copy"
    wait_gone "Copy image files" 30
    wait_gone "Add Preset" 10 || fail "the dialog stayed open"
    answer_box || fail "no box after adding the preset"
fi
stop_editor

SAVED="$WORK/saved.json"
preset_blocks "$USER_PRESETS/presets.json" "E2E Scenes" "Demo Scene" >"$SAVED" 2>/dev/null
if [ -s "$SAVED" ] && cmp -s <("$BIN/vignetta-cli" convert "$SAVED") \
        <("$BIN/vignetta-cli" convert "$SCENE"); then
    pass "the user's presets.json holds the demo scene as 'E2E Scenes / Demo Scene'"
else
    fail "no preset 'E2E Scenes / Demo Scene' equal to the demo scene"
    head -c 400 "$USER_PRESETS/presets.json"; echo
fi
MISSING=0
while read -r file; do
    cmp -s "$SAMPLE/$file" "$USER_PRESETS/$file" || { MISSING=$((MISSING + 1)); echo "  not in the collection: $file"; }
done <"$WORK/assets.txt"
if [ "$MISSING" -eq 0 ]; then pass "all $(wc -l <"$WORK/assets.txt") files of the scene copied into the collection"
else fail "$MISSING files missing from the collection"; fi

# --- 2. Inserted into a second copy of the project that lacks the files ---------------------
cp -r "$SAMPLE" "$WORK/Second"
rm -rf "$WORK/Second/img/pictures" "$WORK/Second/img/faces" "$WORK/Second/audio"
open_editor "$WORK/Second/Sample.fabproject"
# Insert: New Lane, eight kinds of events, Preset
DIALOG=$(menu_to_window 2 9 "Preset Selection")
if [ -z "$DIALOG" ]; then
    fail "Insert > Preset opened no selector"
else
    sleep 1.5
    keys_to "$DIALOG" End        # the last category: the user's own, after the built-in ones
    sleep 1
    keys_to "$DIALOG" Tab Down   # its first preset
    sleep 0.3
    keys_to "$DIALOG" Return
    answer_box || fail "no confirmation of the files to copy"
    wait_gone "Copy image files" 30
    wait_gone "Preset Selection" 10 || fail "the selector stayed open"
fi
MISSING=0
while read -r file; do
    cmp -s "$USER_PRESETS/$file" "$WORK/Second/$file" || { MISSING=$((MISSING + 1)); echo "  not in the project: $file"; }
done <"$WORK/assets.txt"
if [ "$MISSING" -eq 0 ]; then pass "the preset's files arrived in the second project"
else
    fail "$MISSING files did not arrive in the second project"
    find "$WORK/Second/img" "$WORK/Second/audio" -type f 2>/dev/null | head; tail -5 "$EDITOR_LOG"
fi

copy_as_event "$WORK/clipboard.json"
# The preset's blocks as insertion places them: the earliest block at the cursor frame, the
# topmost lane of the set on the cursor lane, markers on the marker lane.
$PY - "$SAVED" "$CURSOR_FRAME" "$CURSOR_LANE" >"$WORK/placed.json" <<'PY'
import json, sys
blocks = json.load(open(sys.argv[1], encoding="utf-8"))
frame, lane = int(sys.argv[2]), int(sys.argv[3])
first = min(b["eventData"]["blockStart"] for b in blocks)
top = min(b["laneId"] for b in blocks if b["eventData"]["blockMode"] != 5)
for b in blocks:
    b["eventData"]["blockStart"] += frame - first
    if b["eventData"]["blockMode"] != 5:
        b["laneId"] += lane - top
print(json.dumps(blocks, ensure_ascii=False, separators=(",", ":")))
PY
if same_as_conversion "$WORK/clipboard.json" "$WORK/placed.json"; then
    pass "Copy As Event equals vignetta-cli convert of the preset at frame $CURSOR_FRAME, lane $CURSOR_LANE"
else
    fail "Copy As Event differs from the conversion of the placed preset"
    head -c 300 "$WORK/clipboard.json"; echo; head -c 300 "$WORK/converted.json"; echo
fi
stop_editor

# --- 3. Killed in the middle of a copy -----------------------------------------------------
COUNT=300
$PY - "$USER_PRESETS" "$SAVED" "$COUNT" <<'PY'
import json, os, sys
folder, saved, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
template = next(b for b in json.load(open(saved)) if b["eventData"]["blockMode"] == 0)
blocks = []
os.makedirs(os.path.join(folder, "img/pictures/many"), exist_ok=True)
for i in range(count):
    name = "many/K%03d" % i
    with open(os.path.join(folder, "img/pictures", name + ".png"), "wb") as out:
        out.write(os.urandom(96 * 1024))
    b = json.loads(json.dumps(template))
    b["blockId"], b["laneId"] = i + 1, 1
    b["eventData"].update(imageName=name, blockStart=i * 10, blockDelay=10)
    blocks.append(b)
path = os.path.join(folder, "presets.json")
categories = json.load(open(path, encoding="utf-8"))
categories.append({"name": "Kill Test", "presets": [{"name": "Many pictures", "data": blocks}]})
with open(path, "w", encoding="utf-8") as out:
    json.dump(categories, out, separators=(",", ":"))
PY
cp -r "$WORK/Second" "$WORK/Third"
open_editor "$WORK/Third/Sample.fabproject"
DIALOG=$(menu_to_window 2 9 "Preset Selection")
sleep 1.5
keys_to "$DIALOG" End
sleep 1
keys_to "$DIALOG" Tab Down
sleep 0.3
keys_to "$DIALOG" Return
answer_box
if wait_window "Copy image files" 20 >/dev/null; then
    sleep 0.3
    kill_editor
    WHOLE=0
    BROKEN=0
    for i in $(seq -f "%03g" 0 $((COUNT - 1))); do
        target="$WORK/Third/img/pictures/many/K$i.png"
        [ -e "$target" ] || continue
        if cmp -s "$USER_PRESETS/img/pictures/many/K$i.png" "$target"; then WHOLE=$((WHOLE + 1));
        else BROKEN=$((BROKEN + 1)); fi
    done
    STRAY=$(find "$WORK/Third/img/pictures/many" -type f ! -name 'K*.png' ! -name '.*.part' 2>/dev/null | wc -l)
    if [ "$BROKEN" -eq 0 ] && [ "$STRAY" -eq 0 ]; then
        pass "killed during the copy: $WHOLE of $COUNT files whole, the rest absent, none partial"
    else
        fail "killed during the copy: $BROKEN partial targets, $STRAY stray files"
    fi
else
    fail "the copying window never showed"
fi

e2e_finish
