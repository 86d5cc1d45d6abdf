#!/usr/bin/env bash
# Builds the editor and opens it on the bundled sample project. Extra arguments are passed on.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
jobs="${JOBS:-2}"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs" --target vignetta
project="$root/sample/SampleProject/Sample.fabproject"
if [[ ! -s "$project" ]]; then
    echo "run-sample: the sample project $project is missing" >&2
    exit 1
fi
exec "$build/bin/vignetta" "$project" "$@"
