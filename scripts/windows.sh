#!/usr/bin/env bash
# Builds the game for 64-bit Windows and packs it as one zip:
#   build-windows/Fornalina-VERSION-windows-x64.zip
# Installs what is missing (Debian's mingw-w64, Wine, zip), builds the
# libraries once from the release tarballs in FORNALINA_WEB_SOURCES (checked
# against web/SHA256SUMS) into a cache outside the repository, then the game,
# statically linked: the .exe needs only Windows' own DLLs, which is checked.
# Further arguments go to CMake (scripts/windows-test.sh adds the tests).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --windows
prefix=$(windows/libraries/build.sh | tail -n 1)

werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE="$(pwd)/windows/Toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DFORNALINA_WINDOWS_PREFIX="$prefix" -DFORNALINA_WERROR="$werror" "$@" > /dev/null
cmake --build build-windows --parallel "$(nproc)"

# Only Windows' own DLLs: none of the compiler's or a library's.
system_dlls='^(advapi32|comdlg32|d3d9|dinput8|dsound|gdi32|gdiplus|glu32|kernel32|msvcrt|ole32|opengl32|psapi|shell32|shlwapi|user32|winmm|xinput1_3)\.dll$'
while read -r dll; do
    if ! [[ "${dll,,}" =~ $system_dlls ]]; then
        echo "build-windows/Fornalina.exe needs $dll, which Windows does not have" >&2
        exit 1
    fi
done < <(x86_64-w64-mingw32-objdump -p build-windows/Fornalina.exe | sed -n 's/^\s*DLL Name: //p')

version=$(sed -n 's/^project(fornalina VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=Fornalina-$version
stage=build-windows/zip/$name
rm -rf build-windows/zip
mkdir -p "$stage/Licencas"
x86_64-w64-mingw32-strip -o "$stage/Fornalina.exe" build-windows/Fornalina.exe
cp -r Assets "$stage/Assets"

# Text for Notepad: Windows line ends, and UTF-8 said by its byte-order mark.
windows_text() { printf '\xEF\xBB\xBF' && sed 's/$/\r/' "$1"; }
sed "s/@VERSION@/$version/" windows/LEIA-ME.txt > build-windows/LEIA-ME.txt
windows_text build-windows/LEIA-ME.txt > "$stage/LEIA-ME.txt"
windows_text LICENSE > "$stage/Licencas/Fornalina-MIT.txt"
windows_text Assets/CREDITS.md > "$stage/Licencas/Creditos-Assets.md.txt"
for licence in Assets/licenses/*; do
    base=${licence##*/}
    windows_text "$licence" > "$stage/Licencas/Assets-${base%.*}.txt"
done
# Each library's licence, from the very tarball it was built from; the
# compiler's runtime (winpthreads and the C runtime start-up) is inside too.
sources=$(cd "${FORNALINA_WEB_SOURCES:?set it to the folder of the tarballs web/SHA256SUMS lists}" && pwd)
licences=$(mktemp -d)
trap 'rm -rf "$licences"' EXIT
for entry in zlib:LICENSE libpng:LICENSE freetype:LICENSE.TXT freetype:docs/FTL.TXT \
    libogg:COPYING libvorbis:COPYING allegro:LICENSE.txt; do
    library=${entry%%:*}
    file=${entry#*:}
    tarball=$(awk -v name="$library" '$2 ~ "^" name "-[0-9]" { print $2 }' web/SHA256SUMS)
    folder=${tarball%.tar.xz}
    tar -xf "$sources/$tarball" -C "$licences" "$folder/$file"
    base=${file##*/}
    windows_text "$licences/$folder/$file" > "$stage/Licencas/$folder-${base%.*}.txt"
done
windows_text /usr/share/doc/mingw-w64-x86-64-dev/copyright > "$stage/Licencas/mingw-w64-runtime.txt"

zip="build-windows/$name-windows-x64.zip"
rm -f "$zip"
(cd build-windows/zip && zip -q -r -9 -X "../${zip##*/}" "$name")
echo "The zip: $(pwd)/$zip ($(du -k "$zip" | cut -f1) KB)"
