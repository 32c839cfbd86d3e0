#!/usr/bin/env bash
# Static analysis of the program code: clang-tidy with the committed .clang-tidy, then cppcheck.
# scripts/lint.sh [BUILD_DIR] [all|tidy|cppcheck]; for clang-tidy the build folder must be configured
# and built (compile_commands.json, Qt's generated moc files). Any finding fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
which=${2:-all}
root=$(pwd)
folders=(conceptplane surface json orvanel rorev tools desktop)
header_filter="^$root/($(
    IFS='|'
    echo "${folders[*]}"
))/"

if [ "$which" != cppcheck ]; then
    echo "clang-tidy over ${folders[*]}"
    git ls-files -- "${folders[@]/%//*.cpp}" |
        xargs -P "$(nproc)" -n 4 clang-tidy-14 -p "$dir" --quiet --header-filter="$header_filter"
fi
if [ "$which" != tidy ]; then
    echo "cppcheck over ${folders[*]}"
    cppcheck --quiet --enable=warning,performance,portability,style --std=c++20 --language=c++ \
        --library=qt --inline-suppr --suppressions-list=scripts/cppcheck-suppressions.txt \
        --error-exitcode=1 -j "$(nproc)" -I . "${folders[@]}"
fi
echo "lint: no findings"
