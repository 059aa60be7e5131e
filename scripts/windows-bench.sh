#!/usr/bin/env bash
# Figures of the Windows build: the zip's size, the libraries' build (cached;
# with --first also built anew into a scratch cache), time to the title menu
# under Wine and the waiting title menu's CPU under Wine beside the Linux
# game's (windows/test/wine-bench.py).
set -euo pipefail
cd "$(dirname "$0")/.."

first=false
for option in "$@"; do
    case "$option" in
    --first) first=true ;;
    *)
        echo "usage: $0 [--first]" >&2
        exit 2
        ;;
    esac
done

scripts/setup.sh --tests --windows --windows-test
scripts/windows.sh > /dev/null
scripts/build.sh build -DFORNALINA_BUILD_TOOLS=ON > /dev/null
version=$(sed -n 's/^project(fornalina VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip=build-windows/Fornalina-$version-windows-x64.zip
echo "the zip: $(du -k "$zip" | cut -f1) KB ($(unzip -p "$zip" "Fornalina-$version/Fornalina.exe" | wc -c | awk '{ printf "%.1f", $1 / 1048576 }') MB of it the .exe, unpacked)"

started=$(date +%s%N)
windows/libraries/build.sh > /dev/null
echo "the libraries' build, cached: $((($(date +%s%N) - started) / 1000000)) ms"
if $first; then
    scratch=$(mktemp -d)
    started=$SECONDS
    XDG_CACHE_HOME=$scratch windows/libraries/build.sh > /dev/null
    echo "the libraries' build, first: $((SECONDS - started)) s"
    rm -rf "$scratch"
fi

work=$(mktemp -d /tmp/fornalina-wine.XXXXXX)
xvfb=
cleanup() {
    [[ -z "$xvfb" ]] || kill "$xvfb" 2> /dev/null || true
    wineserver -k 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
source windows/test/wine-environment.sh "$work"
wine_prefix_new
mkdir -p "$work/references" "$work/game"
ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
    build/tools/screenshots/fornalina-screenshots "$work/references" > /dev/null
unzip -q "$zip" -d "$work/game"
wine_display "$work/fb"
python3 windows/test/wine-bench.py "$work/game/Fornalina-$version/Fornalina.exe" "$(pwd)/build/fornalina" \
    "$work/fb/Xvfb_screen0" "$work/references" "$work/close-window"
