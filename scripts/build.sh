#!/usr/bin/env bash
# Configures and builds the project into the folder given (default: build),
# passing any further arguments to CMake. Under CI, warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

dir="${1:-build}"
shift || true
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DFORNALINA_WERROR="$werror" "$@" > /dev/null
cmake --build "$dir" --parallel "$(nproc)"
