#!/usr/bin/env bash
# Builds the browser site (scripts/web.sh) and runs its benchmark in Debian's
# chromium, headless: download size, the title menu's first frame after
# navigation, frames per second and CPU of a running round beside a floor page,
# CPU while the title menu waits. Standard output is one JSON object; the
# build's output and the benchmark's progress go to standard error. Options go
# to web/test/bench.mjs (--loads N, --pairs N, --block-seconds S).
set -euo pipefail
cd "$(dirname "$0")/.."

# The site, and the benchmark's Node packages as their lock file pins them.
scripts/web.sh >&2
exec node web/test/bench.mjs build-web/site "$@"
