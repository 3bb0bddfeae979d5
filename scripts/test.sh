#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Set ZELO_SANITIZE=1 for a
# build with AddressSanitizer and UndefinedBehaviorSanitizer (in build-sanitize/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# Tests and benchmarks are switched on explicitly: run.sh may have configured the folder without them.
args=(-DZELO_BUILD_TESTS=ON -DZELO_BUILD_BENCH=ON)
if [ "${ZELO_SANITIZE:-0}" = 1 ]; then
  export ZELO_BUILD_DIR=${ZELO_BUILD_DIR:-$root/build-sanitize}
  args+=(-DZELO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
"$root/scripts/build.sh" "${args[@]}"
export QT_QPA_PLATFORM=offscreen
cd "${ZELO_BUILD_DIR:-$root/build}"
ctest --no-tests=error --output-on-failure -j"$(nproc)" --timeout 300
