#!/usr/bin/env bash
# Sets up the machine, builds Tessellara and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tessellara
exec build/src/tessellara "$@"
