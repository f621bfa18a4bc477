#!/usr/bin/env bash
# Saves the cut-puzzle window at 100 %, 150 % and 200 % in a virtual X display, from a build in
# build-rel/ (made if missing): scripts/screenshot-scales.sh FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "$1")
if [ ! -x build-rel/bench/tessellara_cut_shot ]; then
  cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build build-rel --target tessellara_cut_shot >/dev/null
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export TESSELLARA_PROGRAM_FOLDER=$scratch QT_QPA_PLATFORM=xcb
for scale in 100 150 200; do
  QT_SCALE_FACTOR=$(awk "BEGIN { print $scale / 100 }") xvfb-run -a -s "-noreset -screen 0 1600x1200x24" \
    build-rel/bench/tessellara_cut_shot "$folder/scale-$scale.png" 560 400
done
