#!/usr/bin/env bash
# Builds the Debian package in build-deb/ (or the folder given) and checks it
# with lintian, failing on any error or warning that lintian reports. Further
# arguments go to CMake, e.g. -DFORNALINA_HOMEPAGE=https://...
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/setup.sh --package

dir="${1:-build-deb}"
shift || true
# Debian's own compiler and linker flags, hardening included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

# Debian's layout: the game in /usr/games, its data in /usr/share/games; the
# package must not look for files in this source tree.
cmake -S . -B "$dir" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games \
    -DFORNALINA_INSTALL_DATADIR=share/games/fornalina \
    -DFORNALINA_SOURCE_ASSETS=OFF \
    -DFORNALINA_BUILD_TESTS=OFF \
    -DFORNALINA_BUILD_TOOLS=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_STRIP="$root/packaging/debian-strip.sh" \
    "$@" > /dev/null
cmake --build "$dir" --parallel "$(nproc)"
rm -f "$dir"/fornalina_*.deb
(cd "$dir" && cpack -G DEB > /dev/null)
deb=$(ls "$dir"/fornalina_*.deb)
echo "Built $deb"

# Info and pedantic tags are shown too; only errors and warnings fail.
lintian --fail-on error,warning --display-info --pedantic "$deb"
echo "lintian: no error, no warning"
