#!/usr/bin/env bash
# Regenerates every file under Assets/, the desktop icons in packaging/icons/
# and the web app's icons in web/page/icons/ from the sources in this folder.
# Installs what it needs first: Debian packages with apt-get, the pinned npm
# packages into tools/assets/node_modules (git-ignored).
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
cd "$HERE"

# The tools the outputs were made with. Another version still works, but may
# round a pixel or a sample differently, so the files may not match the
# committed ones byte for byte.
RSVG_VERSION="2.54.7"
OGGENC_VERSION="1.4.2"
OPTIPNG_VERSION="0.7.7"

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
command -v oggenc >/dev/null || missing+=(vorbis-tools)
command -v optipng >/dev/null || missing+=(optipng)
command -v woff2_decompress >/dev/null || missing+=(woff2)
command -v python3 >/dev/null || missing+=(python3)
command -v npm >/dev/null || missing+=(npm)
[ -f /usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf ] ||
    missing+=(fonts-leckerli-one)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]}"
    as_root apt-get install -y --no-install-recommends "${missing[@]}" ||
        { as_root apt-get update && as_root apt-get install -y --no-install-recommends "${missing[@]}"; }
fi

# npm ci wipes node_modules, so run it only when the lock file has changed.
if ! cmp -s package-lock.json node_modules/.installed-lock 2>/dev/null; then
    npm ci --ignore-scripts --no-audit --no-fund
    cp package-lock.json node_modules/.installed-lock
fi

# The borrowed files must be the very ones the committed assets came from.
sha256sum --quiet -c inputs.sha256

rsvg-convert --version | grep -q " $RSVG_VERSION\$" ||
    echo "warning: rsvg-convert is not $RSVG_VERSION; pictures may differ in bytes" >&2
oggenc --version | grep -q " $OGGENC_VERSION\$" ||
    echo "warning: oggenc is not $OGGENC_VERSION; the music may differ in bytes" >&2
optipng -version | head -n 1 | grep -q " $OPTIPNG_VERSION\$" ||
    echo "warning: optipng is not $OPTIPNG_VERSION; pictures may differ in bytes" >&2

# Debian's own Python when there is one, so the sample arithmetic does not
# depend on whichever interpreter comes first on PATH.
PYTHON=/usr/bin/python3
[ -x "$PYTHON" ] || PYTHON=python3

rm -rf "$ROOT/Assets" "$ROOT/packaging/icons" "$ROOT/web/page/icons"
FONTCONFIG_FILE="$HERE/fonts.conf" "$PYTHON" build.py
echo "Assets regenerated in $ROOT/Assets, $ROOT/packaging/icons and $ROOT/web/page/icons"
