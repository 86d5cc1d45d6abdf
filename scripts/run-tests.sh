#!/usr/bin/env bash
# Builds Vignetta and runs every test (core, command line, services, QML, whole program under
# Xvfb). Works headless and without a terminal. Build folder: build/ (override with BUILD_DIR).
# With CI=true or VIGNETTA_SANITIZE=1 the core and command-line tests also run under the
# sanitizers, in BUILD_DIR-sanitize/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
jobs="${JOBS:-2}"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
(cd "$build" && ctest --output-on-failure -j1 </dev/null)

# In CI (or with VIGNETTA_SANITIZE=1) the core and command-line tests run once more, built by
# clang with AddressSanitizer and UndefinedBehaviorSanitizer (no Qt; about five minutes).
if [ "${CI:-}" = "true" ] || [ "${VIGNETTA_SANITIZE:-}" = "1" ]; then
    sanitized="${SANITIZE_BUILD_DIR:-$build-sanitize}"
    flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    CC=clang CXX=clang++ cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVIGNETTA_WITH_QT=OFF -DVIGNETTA_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
    cmake --build "$sanitized" -j"$jobs"
    (cd "$sanitized" && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j1 </dev/null)
fi
