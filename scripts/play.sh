#!/usr/bin/env bash
# Sets up the machine, builds Tessellara with its sample pictures beside it and starts it.
#   TESSELLARA_BUILD_ONLY=1 scripts/play.sh   builds as above without starting (CI checks it)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The samples are the same target the test command builds them with.
cmake --build build --target tessellara tessellara_samples
if [ "${TESSELLARA_BUILD_ONLY:-}" = 1 ]; then
  exit 0
fi
exec build/src/tessellara "$@"
