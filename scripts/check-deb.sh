#!/usr/bin/env bash
# Builds the Debian package, installs it into a clean Debian 12 root made with debootstrap
# and starts the installed program there under Xvfb as an ordinary user. Needs root (chroot,
# mounts) and the Debian mirror. Not part of CI: it takes several minutes.
#   BUILD_DIR            build folder for the package (default: build-deb)
#   DEBIAN_MIRROR        mirror for debootstrap (default: http://deb.debian.org/debian)
#   DEBIAN_ROOT_TARBALL  a tar of a fresh `debootstrap --variant=minbase bookworm` root to
#                        start from instead of running debootstrap again
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-deb}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "check-deb.sh needs root (debootstrap, chroot, mount)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "debootstrap is missing: run scripts/setup.sh" >&2; exit 2; }

work=$(mktemp -d /tmp/tessellara-check-deb.XXXXXX)
root=$work/root
cleanup() {
  for m in dev/pts dev sys proc; do
    mountpoint -q "$root/$m" 2>/dev/null && umount -l "$root/$m"
  done
  # Never delete through a mount that is still there.
  if grep -q " $root/" /proc/mounts; then
    echo "mounts left under $root: not deleting it" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT
start=$(date +%s)
step() { echo "== [$(( $(date +%s) - start ))s] $*"; }

step "building the package in $build"
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTESSELLARA_BENCHMARKS=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/tessellara_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tessellara_*.deb)
dpkg-deb --field "$deb" Package Version Depends Recommends

step "making a clean Debian 12 root"
mkdir -p "$root"
if [ -n "${DEBIAN_ROOT_TARBALL:-}" ]; then
  tar -C "$root" -xf "$DEBIAN_ROOT_TARBALL"
else
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" || { tail "$work/debootstrap.log"; exit 1; }
fi
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

step "installing $(basename "$deb") with its dependencies, and Xvfb"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" xvfb xauth >/dev/null
in_root useradd --create-home player

step "starting the installed program as a player under Xvfb"
set +e
in_root su player -c 'cd && HOME=/home/player xvfb-run -a timeout 10 tessellara'
rc=$?
set -e
if [ "$rc" -ne 124 ]; then
  echo "FAIL: tessellara ended by itself with status $rc instead of running until stopped" >&2
  exit 1
fi
entry=$root/home/player/.local/share/applications/tessellara-psffile.desktop
grep -qx 'Exec="/usr/lib/tessellara/tessellara" %f' "$entry" || { echo "FAIL: no desktop entry for the installed program" >&2; exit 1; }
[ -f "$root/home/player/.local/share/mime/packages/tessellara-psffile.xml" ] || { echo "FAIL: no mime package" >&2; exit 1; }
[ -d "$root/home/player/.local/share/tessellara" ] || { echo "FAIL: no per-user program folder" >&2; exit 1; }
[ -f "$root/usr/lib/tessellara/samples/Sunset.jpg" ] || { echo "FAIL: no sample pictures" >&2; exit 1; }
step "OK: the package installs on Debian 12 and the program starts"
