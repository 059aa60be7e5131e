#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmark headless (Xvfb,
# OpenAL's null driver): start-up, frame costs, CPU shares, memory over rounds
# and the long soak. The last line printed is one JSON object.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests
scripts/build.sh build -DFORNALINA_BUILD_TOOLS=ON > /dev/null
ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" build/tools/bench/fornalina-bench "$@"
