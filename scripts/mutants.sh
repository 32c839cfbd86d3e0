#!/usr/bin/env bash
# Mutation testing: plants N seeded small faults (an operator, a constant or a comparison changed, a
# statement dropped) one at a time in the program code, rebuilds, runs the tests, and prints the share
# of faults the tests caught and the survivors.   scripts/mutants.sh [N] [SEED]
# The build folder is MUTANTS_BUILD_DIR (default build/, configured and built); MUTANTS_TIMEOUT is the
# seconds a test may take before it counts as hung, and so as catching the fault (default 60);
# MUTANTS_JOBS the parallel jobs (default 2). The tests stop at the first failure unless
# MUTANTS_ALL_TESTS=1, which runs them all and so names every test that catches each mutant (slower).
# The report, with the survivors and the tests that caught the others, is also written to MUTANTS_OUT
# (default BUILD/mutants-N-SEED.txt). A mutant that does not compile is not counted and the next one
# is drawn.
set -euo pipefail
cd "$(dirname "$0")/.."
wanted=${1:-100}
seed=${2:-1}
build=${MUTANTS_BUILD_DIR:-build}
timeout=${MUTANTS_TIMEOUT:-60}
jobs=${MUTANTS_JOBS:-2}
stop=(--stop-on-failure)
[[ ${MUTANTS_ALL_TESTS:-0} == 1 ]] && stop=()
report=${MUTANTS_OUT:-$build/mutants-$wanted-$seed.txt}
# The planted file's original and its name live in the build folder, so that a run killed outright is
# mended by the next one.
original=$build/mutant-original
planted=$build/mutant-file
log=$build/mutant-log

restore() {
    if [[ -f $planted ]]; then
        # Copied back, not moved with its old time, so that the next build recompiles it.
        cat "$original" >"$(cat "$planted")"
        rm -f "$planted" "$original"
    fi
}
trap restore EXIT
trap 'exit 130' INT TERM

build_all() { ninja -C "$build" -j "$jobs" "${targets[@]}" >"$log" 2>&1; }
tests_pass() { ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" "${stop[@]}" >"$log" 2>&1; }
# The failed tests of the last run, from ctest's closing list ("  12 - Suite.Name (Failed)").
failed_tests() { sed -nE 's/^\s*[0-9]+ - (.+) \([^)]*\)$/\1/p' "$log" | paste -sd ' ' -; }
now() { date +%s; }

[[ -f $build/build.ninja ]] || { echo "No configured build in $build (scripts/build.sh $build)." >&2; exit 2; }
mapfile -t targets < <(ctest --test-dir "$build" --show-only=json-v1 | python3 scripts/mutants.py targets "$build")
if [[ -f $planted ]]; then echo "Mending $(cat "$planted"), left planted by an interrupted run."; fi
restore
start=$(now)
build_all || { echo "The program does not build as it stands; see $log." >&2; exit 2; }
tests_pass || { echo "The tests fail before any fault is planted; see $log." >&2; exit 2; }
echo "Baseline build and tests: $(($(now) - start)) s. Planting $wanted mutants, seed $seed."

plan=$build/mutant-plan
python3 scripts/mutants.py plan "$seed" >"$plan"
judged=0 caught=0 unbuilt=0
survivors=() kills=()
start=$(now)
while ((judged < wanted)) && IFS=$'\t' read -r -u 3 file line column old new kind before after; do
    cp "$file" "$original"
    echo "$file" >"$planted"
    python3 scripts/mutants.py apply "$file" "$line" "$column" "$old" "$new"
    began=$(now)
    if ! build_all; then
        restore
        unbuilt=$((unbuilt + 1))
        continue
    fi
    judged=$((judged + 1))
    mutant="$file:$line: $before  →  $after  ($kind)"
    if tests_pass; then
        verdict=SURVIVED
        survivors+=("$mutant")
    else
        verdict=caught
        caught=$((caught + 1))
        kills+=("$mutant" "    by $(failed_tests)")
    fi
    restore
    printf '%3d/%d %-8s %3d s  %s:%s %s → %s\n' "$judged" "$wanted" "$verdict" $(($(now) - began)) \
        "$file" "$line" "$old" "$new"
done 3<"$plan"
targets=()
build_all || true # everything back to the sources as they stand
elapsed=$(($(now) - start))

{
    echo "Mutants: $judged judged (seed $seed, $(git describe --always --dirty)), $unbuilt more did not compile."
    if ((judged > 0)); then
        echo "Caught: $caught of $judged ($((100 * caught / judged))%). Time: $elapsed s, $((elapsed / judged)) s a mutant."
    fi
    echo "Survivors (${#survivors[@]}):"
    printf '  %s\n' "${survivors[@]+"${survivors[@]}"}"
} | tee "$report"
{
    echo "Caught (${caught}), with the tests that failed:"
    printf '  %s\n' "${kills[@]+"${kills[@]}"}"
} >>"$report"
echo "Written to $report, with the tests that caught each mutant."
