#!/bin/sh
# The program installed into a temporary prefix as a package installs it. Its desktop entry
# validates and offers the game for the state file, whose type the installed MIME package
# defines, and for the pictures Open reads. With the prefix among the system's data folders
# and its MIME database built, the program started from the build folder registers the state
# file per user, and the installed one takes those files back and writes none; it registers
# them itself when the entry does not list the type or the database was not built.
# Usage: installed_program_test.sh <build folder> <program in the build folder>
set -eu
build=$1 built=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/tessellara.desktop
desktop-file-validate "$entry"
types=";$(sed -n 's/^MimeType=//p' "$entry")"
for type in application/x-tessellara-psf image/bmp image/jpeg image/gif; do
  case $types in *";$type;"*) ;; *) echo "MimeType lacks $type: $types"; exit 1 ;; esac
done
grep -q '<mime-type type="application/x-tessellara-psf">' "$prefix/share/mime/packages/tessellara.xml"
update-mime-database "$prefix/share/mime" 2>/dev/null

ours=$work/data/applications/tessellara-psffile.desktop
# Starts the program, waits (at most 30 s) until its per-user desktop entry is there (yes) or
# gone (no), then ends it as the desktop does at log-out; the program must end with status 0.
run() {
  env -i HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
      XDG_DATA_DIRS="$prefix/share" PATH="$prefix/games:/usr/bin:/bin" QT_QPA_PLATFORM=offscreen \
      "$1" >"$work/log" 2>&1 &
  pid=$! tries=0
  until [ "$([ -f "$ours" ] && echo yes || echo no)" = "$2" ]; do
    tries=$((tries + 1))
    [ $tries -le 300 ] || { kill $pid; cat "$work/log"; echo "$1: $ours never $2"; exit 1; }
    sleep 0.1
  done
  kill -TERM $pid
  wait $pid || { status=$?; cat "$work/log"; echo "$1 ended with status $status"; exit 1; }
}
run "$built" yes
run "$prefix/games/tessellara" no
left=$(find "$work/data" -name 'tessellara-psffile*')
[ -z "$left" ] || { echo "left per user: $left"; exit 1; }
sed -i.packaged 's|application/x-tessellara-psf;||' "$entry"
run "$prefix/games/tessellara" yes
mv "$entry.packaged" "$entry"
rm "$ours" "$prefix/share/mime/application/x-tessellara-psf.xml"
run "$prefix/games/tessellara" yes
