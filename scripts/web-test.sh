#!/usr/bin/env bash
# Builds the site (scripts/web.sh) and plays it in a real browser: Debian's
# chromium, headless with software WebGL, driven over the DevTools protocol
# (web/test/browser-test.mjs). The page's pictures are compared with the desktop
# game's own, which the screenshot player draws from the same Assets/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/web.sh
# The touch layout's rule over real devices' screens, before the browser.
node web/test/layout-test.mjs
scripts/setup.sh --tests
scripts/build.sh build -DFORNALINA_BUILD_TOOLS=ON

references=$(mktemp -d)
trap 'rm -rf "$references"' EXIT
for mode in all clock; do
    ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
        build/tools/screenshots/fornalina-screenshots "$references" "$mode" > /dev/null
done
node web/test/browser-test.mjs build-web/site "$references" Assets
