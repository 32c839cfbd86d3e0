#!/usr/bin/env bash
# The pictures of docs/manual.md.
#   scripts/manual-shots.sh [BUILD_DIR]          builds manual-shots and rewrites docs/img/*.png
#   scripts/manual-shots.sh --check [BUILD_DIR]  draws them into a temporary folder and fails when one
#                                                differs from the committed picture
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
if [ "${1:-}" = "--check" ]; then
    check=true
    shift
fi
dir=${1:-build}
# Pixels allowed to differ beyond a 2 % colour fuzz (anti-aliasing of a different build of the fonts).
allowed=50

[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja
cmake --build "$dir" --target manual-shots
program="$dir/tools/manual-shots/manual-shots"

# The offscreen platform says what it cannot do for every window; only other messages matter.
draw() {
    QT_QPA_PLATFORM=offscreen "$program" "$1" 2> >(grep -v -e 'This plugin does not support' -e 'XDG_RUNTIME_DIR not set' >&2)
}

if ! $check; then
    draw docs/img
    echo "docs/img rewritten; look at the pictures and commit them."
    exit 0
fi

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
draw "$fresh"

stale=()
for picture in "$fresh"/*.png; do
    name=$(basename "$picture")
    committed="docs/img/$name"
    if [ ! -f "$committed" ]; then
        stale+=("$name (not committed)")
        continue
    fi
    # compare prints the number of differing pixels on standard error, and an error instead of a
    # number when the sizes differ.
    differing=$(compare -metric AE -fuzz 2% "$committed" "$picture" null: 2>&1 || true)
    count=$(awk '$1 ~ /^[0-9.e+]+$/ { printf "%d", $1; exit } { print "x"; exit }' <<<"$differing")
    if [ "$count" = x ]; then
        stale+=("$name ($differing)")
    elif [ "$count" -gt "$allowed" ]; then
        stale+=("$name ($count pixels differ)")
    fi
done
for committed in docs/img/*.png; do
    [ -f "$fresh/$(basename "$committed")" ] || stale+=("$(basename "$committed") (no longer drawn)")
done

if [ ${#stale[@]} -gt 0 ]; then
    echo "The pictures of the manual are stale:" >&2
    printf '  %s\n' "${stale[@]}" >&2
    echo "Run scripts/manual-shots.sh, look at docs/img and commit the pictures." >&2
    exit 1
fi
echo "The pictures of the manual are up to date."
