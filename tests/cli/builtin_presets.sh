#!/bin/bash
# The built-in preset collection: every preset is a scene the editor reads and converts, and
# presets.json is what its generator writes. Arguments: path of vignetta-cli, source dir.
set -euo pipefail
cli=${1:?usage: builtin_presets.sh VIGNETTA_CLI SOURCE_DIR}
src=${2:?usage: builtin_presets.sh VIGNETTA_CLI SOURCE_DIR}
collection="$src/presets"
python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# One scene file per preset, named by category and preset number.
"$python" - "$collection/presets.json" "$work" <<'PY'
import json, os, sys
categories = json.load(open(sys.argv[1], encoding="utf-8"))
for c, category in enumerate(categories):
    for p, preset in enumerate(category["presets"]):
        path = os.path.join(sys.argv[2], "preset_%d_%d.json" % (c, p))
        with open(path, "w", encoding="utf-8") as out:
            json.dump(preset["data"], out, ensure_ascii=False, separators=(",", ":"))
        with open(path + ".name", "w", encoding="utf-8") as out:
            out.write(category["name"] + " / " + preset["name"])
PY
count=0
for scene in "$work"/preset_*.json; do
    name=$(cat "$scene.name")
    if ! "$cli" check "$scene" >/dev/null 2>"$work/err"; then
        echo "FAULT: $name does not read as a scene: $(cat "$work/err")"
        status=1
    elif ! "$cli" convert "$scene" >/dev/null 2>"$work/err"; then
        echo "FAULT: $name does not convert: $(cat "$work/err")"
        status=1
    fi
    count=$((count + 1))
done
echo "$count presets checked"

# A change to the generator cannot go out without its output.
"$python" "$src/tools/make_presets/make_presets.py" --out "$work/generated" --json-only
if ! cmp -s "$work/generated/presets.json" "$collection/presets.json"; then
    echo "FAULT: presets/presets.json differs from what the generator writes"
    status=1
fi
exit $status
