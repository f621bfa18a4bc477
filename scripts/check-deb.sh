#!/usr/bin/env bash
# Checks the Debian package as a packager would.
#   scripts/check-deb.sh            builds the package (scripts/build-deb.sh), lists it, runs
#                                   `lintian --pedantic` on it with every level of tag shown and
#                                   fails on any error (E:) or warning (W:), and on a hardening
#                                   tag of any level; then installs it with dpkg into a throwaway
#                                   root, where `man 6 tessellara` must find and show its manual
#                                   page, and removes it again. No root needed; CI runs it.
#   scripts/check-deb.sh --install  then installs the package into a clean Debian 12 root made
#                                   with debootstrap and starts the installed program there
#                                   under Xvfb as an ordinary user. Needs root (chroot, mounts)
#                                   and the Debian mirror; about 10 minutes. Not part of CI.
#   BUILD_DIR            build folder for the package (default: build-deb)
#   DEBIAN_MIRROR        mirror for debootstrap (default: http://deb.debian.org/debian)
#   DEBIAN_ROOT_TARBALL  a tar of a fresh `debootstrap --variant=minbase bookworm` root to
#                        start from instead of running debootstrap again
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
install=0
case "${1:-}" in
  "") ;;
  --install) install=1 ;;
  *) echo "usage: scripts/check-deb.sh [--install]" >&2; exit 2 ;;
esac
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
bash "$repo/scripts/setup.sh"
if [ "$install" -eq 1 ]; then
  [ "$(id -u)" -eq 0 ] || { echo "check-deb.sh --install needs root (debootstrap, chroot, mount)" >&2; exit 2; }
  command -v debootstrap >/dev/null || { echo "debootstrap is missing: run scripts/setup.sh" >&2; exit 2; }
fi
start=$(date +%s)
step() { echo "== [$(( $(date +%s) - start ))s] $*"; }

step "building the package with Debian's build flags"
deb=$("$repo/scripts/build-deb.sh")
dpkg-deb --field "$deb" Package Version Section Depends Recommends
dpkg-deb --contents "$deb" | sed -E 's/^(\S+)(\s+\S+){4}\s+/\1 /'

step "lintian --pedantic $(basename "$deb")"
# Lintian's exit status counts errors only (or its own failure), so the tags are judged here.
rc=0
tags=$(lintian --pedantic --display-info --display-experimental "$deb" 2>&1) || rc=$?
[ -z "$tags" ] || echo "$tags"
if [ "$rc" -ne 0 ] || grep -Eq '^[EW]: |^.: [^ ]+: hardening-' <<<"$tags"; then
  echo "FAIL: lintian reports errors, warnings or missing hardening" >&2
  exit 1
fi
step "OK: lintian reports no error, no warning and no missing hardening"

step "installing it with dpkg into a throwaway root: man 6 tessellara"
scratch=$(mktemp -d /tmp/tessellara-dpkg-root.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root log=$scratch/dpkg.log
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# Its dependencies are installed on this machine, not in the throwaway root; every file is
# installed whatever this machine's dpkg leaves out (slim images leave out manual pages), and
# this machine's dpkg log is left alone.
dpkg=(dpkg --root="$root" --log=/dev/null --force-not-root --force-depends --path-include='/*')
"${dpkg[@]}" -i "$deb" >"$log" 2>&1 || { cat "$log"; exit 1; }
export MANPATH=$root/usr/share/man
page=$(man -w 6 tessellara)
[ "$page" = "$MANPATH/man6/tessellara.6.gz" ] || { echo "FAIL: man finds $page" >&2; exit 1; }
text=$(MANWIDTH=80 man 6 tessellara)
sed -n '1,/^SYNOPSIS/p' <<<"$text"
grep -q 'tessellara - jigsaw puzzle game' <<<"$text" || { echo "FAIL: man shows no page" >&2; exit 1; }
unset MANPATH
"${dpkg[@]}" -r tessellara >>"$log" 2>&1 || { cat "$log"; exit 1; }
[ -z "$(find "$root" -path "$root/var" -prune -o -type f -print)" ] ||
  { echo "FAIL: removing the package left files" >&2; exit 1; }
rm -rf "$scratch"
trap - EXIT
step "OK: the package installs and removes with dpkg, and man 6 tessellara shows its page"
[ "$install" -eq 1 ] || exit 0

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
# A login shell, as a player has one: its PATH from /etc/profile holds /usr/games.
in_root su - player -c 'xvfb-run -a timeout 10 tessellara'
rc=$?
set -e
if [ "$rc" -ne 124 ]; then
  echo "FAIL: tessellara ended by itself with status $rc instead of running until stopped" >&2
  exit 1
fi
entry=$root/home/player/.local/share/applications/tessellara-psffile.desktop
if [ -f "$entry" ] && ! grep -qx 'Exec="/usr/games/tessellara" %f' "$entry"; then
  echo "FAIL: the per-user desktop entry does not start the installed program" >&2; exit 1
fi
[ -f "$root/usr/share/applications/tessellara.desktop" ] || { echo "FAIL: no desktop entry" >&2; exit 1; }
[ -d "$root/home/player/.local/share/tessellara" ] || { echo "FAIL: no per-user program folder" >&2; exit 1; }
[ -f "$root/usr/share/tessellara/samples/Sunset.jpg" ] || { echo "FAIL: no sample pictures" >&2; exit 1; }
[ -f "$root/usr/share/man/man6/tessellara.6.gz" ] || { echo "FAIL: no manual page" >&2; exit 1; }
step "OK: the package installs on Debian 12 and the program starts"
