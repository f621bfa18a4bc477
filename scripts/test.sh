#!/usr/bin/env bash
# Sets up the machine, builds Tessellara and runs the whole test suite.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  with AddressSanitizer and UndefinedBehaviorSanitizer, built with
#                               clang (the normal build uses g++), in build-sanitize/, with the
#                               fuzz targets, each run once over its seeds
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build
# Both test builds check container bounds (TESSELLARA_CHECKED): a read past the end of a vector
# fails the test that makes it.
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSELLARA_CHECKED=ON)
exclude=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  # The fuzz targets (tests/fuzz, scripts/fuzz.sh) are part of this build.
  options=(-DCMAKE_BUILD_TYPE=Debug -DTESSELLARA_SANITIZE=ON -DTESSELLARA_FUZZ=ON
           -DTESSELLARA_BENCHMARKS=OFF -DCMAKE_CXX_COMPILER=clang++ -DTESSELLARA_CHECKED=ON)
  # The soak test paints 20,000 frames: minutes under the sanitizers, so it runs in the normal build only.
  exclude=(-LE soak)
  export ASAN_OPTIONS=detect_leaks=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S . -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j 2 "${exclude[@]}"
