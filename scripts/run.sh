#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DZELO_BUILD_TESTS=OFF -DZELO_BUILD_BENCH=OFF
exec "${ZELO_BUILD_DIR:-$root/build}/zelo"
