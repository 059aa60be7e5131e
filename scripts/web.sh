#!/usr/bin/env bash
# Builds the game for web browsers into build-web/site/, a folder of static
# files any web host can serve. Installs what is missing (Debian's emscripten
# and chromium, the Node packages of web/test/ as their lock file pins them),
# builds the libraries once from the release tarballs in FORNALINA_WEB_SOURCES
# (checked against web/SHA256SUMS) into a cache outside the repository, then
# the game. With --serve, serves the site on 127.0.0.1 and prints its address.
set -euo pipefail
cd "$(dirname "$0")/.."

serve=false
for option in "$@"; do
    case "$option" in
    --serve) serve=true ;;
    *)
        echo "usage: $0 [--serve]" >&2
        exit 2
        ;;
    esac
done

scripts/setup.sh --web
# The browser test's and benchmark's Node packages, as the lock file pins them.
if [[ ! -d web/test/node_modules || web/test/package-lock.json -nt web/test/node_modules ]]; then
    npm ci --prefix web/test --no-audit --no-fund --loglevel=error > /dev/null
    touch web/test/node_modules
fi
prefix=$(web/libraries/build.sh | tail -n 1)

# Debian's emscripten runs its tools with the machine's Node, which looks for
# their modules only where NODE_PATH says.
export NODE_PATH=/usr/share/nodejs
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DFORNALINA_WEB_PREFIX="$prefix" \
    -DFORNALINA_WERROR="$werror" > /dev/null
cmake --build build-web --parallel "$(nproc)"
echo "The site: $(pwd)/build-web/site/"

if $serve; then
    exec node web/serve.mjs build-web/site "${FORNALINA_WEB_PORT:-8080}"
fi
