#!/usr/bin/env bash
# Builds the fuzz targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each
# for SECONDS, one after another, at low priority.
# Usage: fuzz/run.sh SECONDS [TARGET...]   (targets: scene project event_file display_list insert)
# Build folder: build-fuzz/ (override with FUZZ_BUILD_DIR). New inputs collect under
# BUILD/corpus/TARGET, crashes and other findings under BUILD/findings/, each run's log in
# BUILD/fuzz_TARGET.log. Exits non-zero when any target found something.
set -euo pipefail
seconds="${1:?usage: fuzz/run.sh SECONDS [TARGET...]}"
shift
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(scene project event_file display_list insert)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVIGNETTA_WITH_QT=OFF -DVIGNETTA_BUILD_TESTS=OFF -DVIGNETTA_BUILD_BENCHMARKS=OFF \
    -DVIGNETTA_BUILD_FUZZERS=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/findings"
found=0
for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target"
    echo "== fuzz_$target for $seconds s"
    status=0
    # Limits: a reader that takes more than 2 GB, allocates 1 GB at once or needs 10 s for
    # one input is a finding too.
    nice -n 10 "$build/bin/fuzz_$target" "$build/corpus/$target" "$root/fuzz/corpus/$target" \
        -dict="$root/fuzz/json.dict" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -malloc_limit_mb=1024 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" >"$build/fuzz_$target.log" 2>&1 || status=$?
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|^Done|ERROR|SUMMARY" \
        "$build/fuzz_$target.log" || true
    if [ "$status" -ne 0 ]; then
        echo "fuzz_$target: finding (exit $status), see $build/fuzz_$target.log"
        found=1
    fi
done
exit "$found"
