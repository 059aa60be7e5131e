#!/usr/bin/env bash
# Builds the site (scripts/web.sh) and plays it in a real browser: Debian's
# chromium, headless with software WebGL, driven over the DevTools protocol
# (web/test/browser-test.mjs). The page's pictures are compared with the desktop
# game's own, which the screenshot player draws from the same Assets/. Then the
# page under faults (downloads, a lost WebGL context, zoom, a second tab), the
# local server's own test, and the main path in Firefox and WebKitGTK.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/web.sh
# The touch layout's rule over real devices' screens, before the browser.
node web/test/layout-test.mjs
scripts/setup.sh --tests --engines
scripts/build.sh build -DFORNALINA_BUILD_TOOLS=ON

references=$(mktemp -d)
trap 'rm -rf "$references"' EXIT
for mode in all clock; do
    ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
        build/tools/screenshots/fornalina-screenshots "$references" "$mode" > /dev/null
done
node --test web/test/serve-test.mjs
node web/test/browser-test.mjs build-web/site "$references" Assets
node web/test/page-faults.mjs build-web/site "$references" Assets
# Firefox and WebKitGTK draw WebGL only with a display.
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" \
    node web/test/engines-test.mjs build-web/site "$references" Assets
