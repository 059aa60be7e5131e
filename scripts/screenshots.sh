#!/usr/bin/env bash
# Plays the game headless and saves screenshots: by default the README's two
# (docs/screenshots/menu.png and round.png); with a folder and "all", every screen.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests
scripts/build.sh build -DFORNALINA_BUILD_TOOLS=ON
folder="${1:-docs/screenshots}"
mkdir -p "$folder"
ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
    build/tools/screenshots/fornalina-screenshots "$folder" "${2:-}"
