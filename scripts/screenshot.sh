#!/usr/bin/env bash
# Starts Tessellara in a virtual X display with a window manager and saves a picture of
# the screen: scripts/screenshot.sh OUTPUT.png [SECONDS] [ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "$1"); shift
wait_seconds=${1:-3}; [ $# -gt 0 ] && shift
command -v openbox >/dev/null || apt-get install -y -qq --no-install-recommends openbox >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export TESSELLARA_PROGRAM_FOLDER=$scratch
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  openbox >/dev/null 2>&1 & sleep 1
  "$0" "$@" & pid=$!
  sleep '"$wait_seconds"'
  import -window root "'"$output"'"
  kill $pid' build/src/tessellara "$@"
