#!/usr/bin/env bash
# Builds the Debian package tessellara_<version>_<arch>.deb in BUILD_DIR (default:
# build-deb) with Debian's compiler and linker flags, as a Debian build would take them:
# dpkg-buildflags with every hardening feature (DEB_BUILD_MAINT_OPTIONS=hardening=+all),
# CPPFLAGS folded into CXXFLAGS (CMake does not read CPPFLAGS), build type None so that only
# these flags apply. The flags are given to CMake on every run, so an older build folder
# takes them too. Prints the path of the package.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-deb}
cd "$repo"   # dpkg-buildflags maps this folder to "." in the debugging information
umask 022    # as dpkg-buildpackage builds: CPack makes some of the package's folders itself

eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
  -DBUILD_TESTING=OFF -DTESSELLARA_BENCHMARKS=OFF >/dev/null
cmake --build "$build" >&2
rm -f "$build"/tessellara_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/tessellara_*.deb
