#!/bin/bash
# The bundled sample project: complete, readable as the editor reads it, and in
# step with its generator. Arguments: path of vignetta-cli, source dir.
set -euo pipefail
cli=${1:?usage: sample_project.sh VIGNETTA_CLI SOURCE_DIR}
src=${2:?usage: sample_project.sh VIGNETTA_CLI SOURCE_DIR}
project="$src/sample/SampleProject"
python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1

for tool in vorbiscomment convert identify; do
    command -v $tool >/dev/null || { echo "$tool is not installed"; exit 1; }
done

"$python" "$src/tests/cli/sample_project_check.py" "$project"
# The editor's own reading rules for the demo scene.
"$cli" check "$project/scenes/demo.json" >/dev/null

# The database, plugin list and demo scene come from plain tables in the
# generator; regenerating them must give the committed bytes, so a change to
# the generator cannot go out without its output.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$python" "$src/tools/sample_project/make_sample_project.py" --out "$work" \
    --only database,scene >/dev/null
status=0
while read -r file; do
    if ! cmp -s "$work/$file" "$project/$file"; then
        echo "FAULT: ${file#./} differs from what the generator writes"
        status=1
    fi
done < <(cd "$work" && find . -type f | sort)
exit $status
