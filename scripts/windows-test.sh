#!/usr/bin/env bash
# The Windows build tried under Wine: builds the zip (scripts/windows.sh) with
# the tests that need no display, runs those under Wine (CTest, Wine as the
# emulator) in a fresh prefix, then unpacks the zip into a new folder whose
# name has a space and an accent and plays the .exe in an Xvfb
# (windows/test/wine-check.py): the title menu against the desktop game's own
# picture, M remembered in the prefix's AppData, keys reaching a running round,
# closing the window (status 0) and a missing font (its message, status 1).
# The pictures it saw stay in build-windows/wine-check/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests --windows --windows-test
scripts/windows.sh -DFORNALINA_BUILD_TESTS=ON "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v wine)"
# The desktop game, for its own pictures.
scripts/build.sh build -DFORNALINA_BUILD_TOOLS=ON

work=$(mktemp -d /tmp/fornalina-wine.XXXXXX)
xvfb=
cleanup() {
    [[ -z "$xvfb" ]] || kill "$xvfb" 2> /dev/null || true
    wineserver -k 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
source windows/test/wine-environment.sh "$work"

started=$SECONDS
wine_prefix_new
echo "a new Wine prefix in $((SECONDS - started)) s"
ctest --test-dir build-windows --output-on-failure --timeout 120

mkdir -p "$work/references"
ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
    build/tools/screenshots/fornalina-screenshots "$work/references" all > /dev/null
version=$(sed -n 's/^project(fornalina VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
folder="$work/Jogos do João"
mkdir -p "$folder"
unzip -q "build-windows/Fornalina-$version-windows-x64.zip" -d "$folder"
wine_display "$work/fb"
rm -rf build-windows/wine-check
python3 windows/test/wine-check.py "$folder/Fornalina-$version/Fornalina.exe" "$work/fb/Xvfb_screen0" \
    "$work/references" "$(wine_settings_file)" build-windows/wine-check "$work/close-window"
