#!/usr/bin/env bash
# Plays the game headless and saves screenshots: by default the README's
# (docs/screenshots/: menu, round and three result screens); with a folder and
# "all", every screen.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests
scripts/build.sh build -DFORNALINA_BUILD_TOOLS=ON
folder="${1:-docs/screenshots}"
mkdir -p "$folder"
ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
    build/tools/screenshots/fornalina-screenshots "$folder" "${2:-}"
