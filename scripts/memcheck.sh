#!/usr/bin/env bash
# Valgrind's memcheck over one scripted session of Orvanel's windows (splash, main menu, date entry,
# chart and synastry windows and the moves between all windows, driven by the window tests on the
# offscreen platform):
# scripts/memcheck.sh [BUILD_DIR]. Any memory error fails the script; leaks are not counted, since Qt
# keeps its singletons until the process ends.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 --leak-check=no \
    --track-origins=yes --num-callers=30 \
    "$dir/tests/orvanel_windows/orvanel_window_tests" \
    --gtest_filter='MainWindows.*:Navigation.*:ChartWindow.*:SynastryWindow.*:DateEntry.*'
