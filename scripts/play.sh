#!/usr/bin/env bash
# Installs what is missing, builds the game (only the game), and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build -DFORNALINA_BUILD_TESTS=OFF -DFORNALINA_BUILD_TOOLS=OFF
exec build/fornalina "$@"
