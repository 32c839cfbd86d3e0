#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan, and runs each one for SECONDS (default 15)
# from its committed seed corpus: scripts/fuzz.sh [SECONDS] [BUILD_DIR]. New inputs go to a scratch
# corpus in the build folder, never into fuzz/corpus. A crash, leak or broken check fails the script and
# leaves the input in BUILD_DIR/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
dir=${2:-build-fuzz}
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DORVANEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$dir" --target fuzzers --parallel "$(nproc)"
mkdir -p "$dir/artifacts"
for target in numeric_value cp1252 concept_record ephemeris subjects_file batch_line; do
    scratch="$dir/corpus/$target"
    mkdir -p "$scratch"
    echo "== $target, $seconds s"
    log="$dir/$target.log"
    if ! "$dir/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
        -artifact_prefix="$dir/artifacts/$target-" "$scratch" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        exit 1
    fi
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units)' "$log"
done
