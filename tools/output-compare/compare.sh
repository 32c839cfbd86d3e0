#!/usr/bin/env bash
# Runs two builds of orvanel-calc on the same generated command lines and the same data files and
# compares what they print, byte for byte:
#
#   tools/output-compare/compare.sh BEFORE_CALC AFTER_CALC [WORK_DIR] [LINES] [SINGLE_RUNS]
#
# Data folders: a copy of data/ taken once (so that an edit of the shipped files meanwhile changes
# nothing), and the same with a generated 32,767-record concept file. In each folder both builds run
# all LINES (default 4000) as one batch, and the first SINGLE_RUNS (default 150) as command lines of
# their own (standard output, standard error and exit status). Last, AFTER_CALC reads lines of random
# bytes in a batch: every line it prints must be one valid JSON document in UTF-8.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
before=$(realpath "$1")
after=$(realpath "$2")
work=${3:-$(mktemp -d)}
count=${4:-4000}
singles=${5:-150}
mkdir -p "$work"
cd "$work"

rm -rf shipped generated
cp -r "$here/../../data" shipped
cp -r shipped generated
python3 "$here/cases.py" concepts --records 32767 >generated/concptos.txt
python3 "$here/cases.py" lines --count "$count" >lines.txt

status=0
for folder in shipped generated; do
    for build in before after; do
        calc=${!build}
        /usr/bin/time -f "%e" -o "$folder-$build.time" "$calc" --data "$folder" batch <lines.txt >"$folder-$build.out"
    done
    if cmp -s "$folder-before.out" "$folder-after.out"; then
        echo "$folder: batch of $count lines identical ($(wc -c <"$folder-after.out") bytes;" \
            "$(cat "$folder-before.time") s before, $(cat "$folder-after.time") s after)"
    else
        echo "$folder: batch outputs DIFFER:"
        cmp "$folder-before.out" "$folder-after.out" || true
        status=1
    fi
    differ=0
    while IFS= read -r line; do
        for build in before after; do
            calc=${!build}
            # shellcheck disable=SC2086  # the words of the line, as batch splits them
            set +e
            "$calc" --data "$folder" $line </dev/null >"single-$build.out" 2>"single-$build.err"
            echo "exit $?" >>"single-$build.out"
            set -e
        done
        if ! cmp -s single-before.out single-after.out || ! cmp -s single-before.err single-after.err; then
            echo "$folder: single command line differs: $line"
            differ=1
        fi
    done < <(head -n "$singles" lines.txt)
    [ "$differ" = 0 ] && echo "$folder: $singles single command lines identical" || status=1
done

python3 "$here/cases.py" noise --count 5000 >noise.txt
"$after" --data shipped batch <noise.txt >noise.out
python3 - noise.txt noise.out <<'EOF' || status=1
import json, sys
lines = open(sys.argv[1], "rb").read().split(b"\n")[:-1]
out = open(sys.argv[2], "rb").read().split(b"\n")[:-1]
bad = 0
for raw in out:
    try:
        json.loads(raw.decode("utf-8"))
    except ValueError:
        bad += 1
print(f"random bytes: {len(lines)} lines in, {len(out)} documents out, {bad} not valid UTF-8 JSON")
sys.exit(0 if bad == 0 and len(out) == len(lines) else 1)
EOF
exit $status
