#!/usr/bin/env bash
# The install tree of a build folder ($1), laid out as the package takes it: the program in
# games/, the sample pictures in share/tessellara, a manual page man renders without a
# warning, Debian's documents, and a desktop entry and metainfo that validate and name the
# same types.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$1" --prefix "$prefix" >/dev/null

[ -x "$prefix/games/tessellara" ] || fail "no program in games/"
for gone in bin lib; do [ ! -e "$prefix/$gone" ] || fail "$gone/ is installed"; done
[ "$(find "$prefix/share/tessellara/samples" -type f -size +0 | wc -l)" -eq 6 ] ||
  fail "not the six sample pictures in share/tessellara/samples"
for doc in copyright changelog.gz; do
  [ -s "$prefix/share/doc/tessellara/$doc" ] || fail "no $doc"
done
# gzip -9n: no file name and no time stamp in the header, as Debian wants it.
for gz in share/man/man6/tessellara.6.gz share/doc/tessellara/changelog.gz; do
  [ "$(od -An -tx1 -j3 -N5 "$prefix/$gz" | tr -d ' ')" = 0000000000 ] || fail "$gz has a name or time"
done
page=$(MANPATH="$prefix/share/man" man -w 6 tessellara) || fail "man 6 tessellara finds no page"
[ "$page" = "$prefix/share/man/man6/tessellara.6.gz" ] || fail "man finds $page"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"

metainfo=$prefix/share/metainfo/org.tessellara.Tessellara.metainfo.xml
entry=$prefix/share/applications/tessellara.desktop
appstreamcli validate --pedantic --no-net "$metainfo"
desktop-file-validate "$entry"
# A software centre offers the program for the types the file manager opens with it.
opened=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort | paste -sd' ')
provided=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo" | sort | paste -sd' ')
[ "$opened" = "$provided" ] || fail "the metainfo provides $provided, the desktop entry opens $opened"
