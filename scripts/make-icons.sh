#!/usr/bin/env bash
# Renders the PNG sizes of the program's icon from data/icons/tessellara.svg (needs rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" tessellara.svg -o "hicolor/${size}x${size}/apps/tessellara.png"
done
