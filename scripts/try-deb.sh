#!/usr/bin/env bash
# Tries the Debian package on a clean Debian 12: builds orvanel_*.deb, installs it with apt in a minimal
# bookworm chroot, and checks that the installed programs find the installed data and start.
# Needs root (debootstrap, chroot, mount) and network (debootstrap and apt fetch from deb.debian.org).
# Not part of CI.   Usage: sudo scripts/try-deb.sh [CHROOT_DIR]   (BUILD=dir to reuse a build folder)
# With Xvfb and ImageMagick's import on the host, also saves screenshots of both programs in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
root=${1:-/var/tmp/orvanel-bookworm}
build=${BUILD:-build-deb}
chart=(chart 2001 12 5 14 30)
as_user=(chroot --userspec=65534:65534 "$root" /usr/bin/env HOME=/tmp/try-home XDG_RUNTIME_DIR=/tmp/try-runtime)

step() { echo "== $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

step "Building the package in $build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" >/dev/null
cmake --build "$build" --target orvanel rorev orvanel-calc desktop_icons
rm -f "$build"/orvanel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/orvanel_*.deb)
deb=${debs[0]}
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

if [ ! -x "$root/usr/bin/apt-get" ]; then
    step "Creating a minimal Debian 12 in $root"
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
mountpoint -q "$root/proc" || { mount -t proc proc "$root/proc"; trap 'umount "$root/proc"' EXIT; }

step "Installing $(basename "$deb") with apt"
cp "$deb" "$root/tmp/"
chroot "$root" apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "/tmp/$(basename "$deb")" desktop-file-utils
chroot "$root" desktop-file-validate /usr/share/applications/orvanel.desktop /usr/share/applications/rorev.desktop

# Run as nobody in an empty folder: the installed data folder is read-only for users, and a program
# that missed it would fall back to (and write in) the working folder.
for folder in try-home try-runtime; do
    rm -rf "${root:?}/tmp/$folder" && install -d -m 700 -o 65534 -g 65534 "$root/tmp/$folder"
done
step "orvanel-calc ${chart[*]}: installed against the build tree"
expected=$(cd "$source_dir/data" && "$source_dir/$build/tools/calc/orvanel-calc" "${chart[@]}")
actual=$("${as_user[@]}" sh -c "cd /tmp/try-home && orvanel-calc ${chart[*]}")
[ "$actual" = "$expected" ] || fail "the installed orvanel-calc prints something else than the build tree's"
echo "same JSON (${#actual} bytes)"
step "orvanel-calc ${chart[*]} --png: the installed writers module"
"${as_user[@]}" sh -c "cd /tmp/try-home && orvanel-calc ${chart[*]} --png /tmp/try-runtime/wheel.png >/dev/null" ||
    fail "the installed orvanel-calc could not write a picture"
file "$root/tmp/try-runtime/wheel.png"

for program in orvanel rorev; do
    step "$program on the offscreen platform"
    status=0
    "${as_user[@]}" QT_QPA_PLATFORM=offscreen sh -c "cd /tmp/try-home && timeout 5 $program" || status=$?
    [ "$status" = 124 ] || fail "$program ended with status $status instead of running until the timeout"
    [ -z "$(ls -A "$root/tmp/try-home")" ] || fail "$program wrote in its working folder: $(ls -A "$root/tmp/try-home")"
    echo "$program ran 5 s and left its working folder untouched"
done

if command -v Xvfb >/dev/null && command -v import >/dev/null; then
    display=:$((200 + RANDOM % 50))
    Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    for program in orvanel rorev; do
        # The chroot shares the host's network namespace, so the abstract X socket reaches it.
        "${as_user[@]}" DISPLAY="$display" QT_QPA_PLATFORM=xcb sh -c "cd /tmp/try-home && timeout 6 $program" &
        sleep 4
        # Over the plane, rorev's zoom box shows the concepts it read (xdotool, when present).
        command -v xdotool >/dev/null && DISPLAY=$display xdotool mousemove 700 300 sleep 0.5 mousemove 702 302 sleep 1
        DISPLAY=$display import -window root "$build/try-deb-$program.png"
        wait $! || true
        echo "screenshot: $build/try-deb-$program.png"
    done
    kill "$xvfb"
fi
step "The package works on a clean Debian 12"
