#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Set ZELO_SANITIZE=1 for a
# build with AddressSanitizer and UndefinedBehaviorSanitizer (in build-sanitize/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
args=()
if [ "${ZELO_SANITIZE:-0}" = 1 ]; then
  export ZELO_BUILD_DIR=${ZELO_BUILD_DIR:-$root/build-sanitize}
  args+=(-DZELO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
"$root/scripts/build.sh" "${args[@]}"
export QT_QPA_PLATFORM=offscreen
cd "${ZELO_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j"$(nproc)" --timeout 300
