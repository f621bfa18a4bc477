#!/usr/bin/env bash
# Saves a picture of the best-times dialog with a few entries, opened from the View menu in a
# virtual X display: scripts/screenshot-best-times.sh OUTPUT.png
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "$1")
command -v openbox >/dev/null || apt-get install -y -qq --no-install-recommends openbox >/dev/null
command -v xdotool >/dev/null || apt-get install -y -qq --no-install-recommends xdotool >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export TESSELLARA_PROGRAM_FOLDER=$scratch
entry() { printf '"%s"\r\n%d\r\n%d\r\n%d\r\n%d\r\n"%s"\r\n' "$@"; }
{
  entry "Ann" 0 3 7 64 "sunflowers.jpg"
  entry "Marek" 0 9 42 100 "harbour.bmp"
  entry "Zoë" 0 12 5 64 "sunflowers.jpg"
  entry "Grandpa Joe" 1 2 5 144 "alps.gif"
  entry "" 0 20 0 12 "cat.bmp"
  for _ in $(seq 15); do entry "" 0 0 0 0 ""; done
} >"$scratch/besttimes.txt"
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  openbox >/dev/null 2>&1 & sleep 1
  "$0" & pid=$!
  window=$(xdotool search --sync --onlyvisible --name "^Tessellara\$" | head -1)
  xdotool windowsize "$window" 760 540; sleep 0.3
  xdotool windowmove "$window" 10 30; sleep 0.3
  xdotool windowactivate --sync "$window"; sleep 0.5
  # File menu, right to View, up to its last item "Best Times...".
  for key in alt+f Right Up Return; do xdotool key "$key"; sleep 0.4; done
  sleep 1.5
  import -window root "'"$output"'"
  kill $pid' build/src/tessellara
