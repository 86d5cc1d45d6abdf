#!/usr/bin/env bash
# Builds the editor and opens it on the bundled sample project. Extra arguments are passed on.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
jobs="${JOBS:-2}"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs" --target vignetta
exec "$build/bin/vignetta" "$root/sample/SampleProject/Sample.fabproject" "$@"
