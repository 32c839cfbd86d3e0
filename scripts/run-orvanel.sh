#!/usr/bin/env bash
# Starts Orvanel from the build folder, in the data folder; until Orvanel exists, starts what exists.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cd data
for program in orvanel/shell/orvanel rorev/rorev; do
    if [ -x "$root/build/$program" ]; then
        exec "$root/build/$program" "$@"
    fi
done
echo "Orvanel and rorev are not built yet; orvanel-calc and the tests are what exists now."
