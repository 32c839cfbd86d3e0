#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need; skips apt when all are present.
set -euo pipefail
packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev
    python3 python3-fonttools
    fonts-dejavu-core fonts-liberation2 fonts-urw-base35 fonts-texgyre fonts-noto-color-emoji
    xvfb xauth imagemagick poppler-utils
    clang-14 libclang-rt-14-dev valgrind clang-tidy-14 cppcheck
    time
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
