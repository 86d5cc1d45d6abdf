#!/usr/bin/env bash
# Builds Vignetta and runs every test (core, command line, services, QML, whole program under
# Xvfb). Works headless and without a terminal. Build folder: build/ (override with BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
jobs="${JOBS:-2}"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
cd "$build"
ctest --output-on-failure -j1 </dev/null
