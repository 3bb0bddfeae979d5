#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. ZELO_NO_START=1 only builds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DZELO_BUILD_TESTS=OFF -DZELO_BUILD_BENCH=OFF
[ "${ZELO_NO_START:-0}" = 1 ] && exit 0
exec "${ZELO_BUILD_DIR:-$root/build}/zelo"
