#!/usr/bin/env bash
# Builds the Windows build's libraries (zlib, libpng, FreeType, Ogg, Vorbis and
# a static Allegro monolith on its own Windows backend: Direct3D and OpenGL,
# DirectSound) for 64-bit Windows with Debian's mingw-w64, from the same
# release tarballs as the browser build ($FORNALINA_WEB_SOURCES, checked
# against web/SHA256SUMS), into one prefix cached outside the repository:
#   ${XDG_CACHE_HOME:-~/.cache}/fornalina-windows/libraries-KEY
# KEY hashes the checksums, this script, the shared functions, the toolchain
# file and the compilers' versions; an existing prefix is taken as it is. The
# last line of standard output is the prefix's absolute path; progress goes to
# standard error, the tools' output to libraries-KEY.log beside the prefix.
set -euo pipefail

windows=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
repo=$(dirname "$windows")
what="windows libraries"
sums=$repo/web/SHA256SUMS
cache=${XDG_CACHE_HOME:-$HOME/.cache}/fornalina-windows
# shellcheck source=../../scripts/library-build.sh
source "$repo/scripts/library-build.sh"

"$repo/scripts/setup.sh" --windows >&2

toolchain=$windows/Toolchain.cmake
mingw=x86_64-w64-mingw32
key=$(cd "$repo" && {
    x86_64-w64-mingw32-gcc-posix --version | head -n 1
    cmake --version | head -n 1
} | libraries_key web/SHA256SUMS windows/libraries/build.sh scripts/library-build.sh windows/Toolchain.cmake)
prefix=$cache/libraries-$key
if [[ -d "$prefix" ]]; then
    echo "$prefix"
    exit 0
fi
sources=$(checked_sources)
start_work "libraries-$key"

# cmake_library SOURCE OPTION...: configures SOURCE for Windows as a static
# Release build against the prefix so far, builds it and installs it there.
cmake_library() {
    local src=$1
    shift
    local build=$work/build/${src##*/}
    quiet cmake -S "$src" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF \
        -DCMAKE_INSTALL_PREFIX="$stage" \
        -DCMAKE_PREFIX_PATH="$stage" \
        -DCMAKE_FIND_ROOT_PATH="$stage" \
        "$@"
    quiet cmake --build "$build" --parallel "$jobs"
    quiet cmake --install "$build"
}

# Its CMake build always makes the DLL too, and names the static library
# libzlibstatic.a: only the static one stays, under its usual name.
build_zlib() {
    cmake_library "$(unpack zlib)"
    rm -f "$stage"/bin/*zlib*.dll "$stage"/lib/libzlib.dll.a
    mv "$stage/lib/libzlibstatic.a" "$stage/lib/libz.a"
}

build_libpng() {
    cmake_library "$(unpack libpng)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_TOOLS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF \
        -DZLIB_LIBRARY="$stage/lib/libz.a" -DZLIB_INCLUDE_DIR="$stage/include"
}

# Allegro reads TrueType fonts only: none of FreeType's optional libraries.
build_freetype() {
    cmake_library "$(unpack freetype)" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
        -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

build_libogg() {
    cmake_library "$(unpack libogg)" -DINSTALL_DOCS=OFF
}

build_libvorbis() {
    cmake_library "$(unpack libvorbis)"
}

# Allegro's own Windows backend: both display drivers (chosen at run time),
# DirectSound for sound (no OpenAL), the add-ons the game uses.
build_allegro() {
    cmake_library "$(unpack allegro)" -DSHARED=OFF -DWANT_MONOLITH=ON -DPREFER_STATIC_DEPS=ON \
        -DWANT_D3D=ON -DWANT_OPENGL=ON -DWANT_SHADERS_D3D=OFF -DWANT_OPENAL=OFF -DWANT_DSOUND=ON \
        -DWANT_IMAGE=ON -DWANT_IMAGE_PNG=ON -DWANT_IMAGE_JPG=OFF -DWANT_IMAGE_FREEIMAGE=OFF \
        -DWANT_IMAGE_WEBP=OFF -DWANT_FONT=ON -DWANT_TTF=ON -DWANT_PRIMITIVES=ON \
        -DWANT_AUDIO=ON -DWANT_VORBIS=ON -DWANT_TREMOR=OFF -DWANT_FLAC=OFF -DWANT_OPUS=OFF \
        -DWANT_DUMB=OFF -DWANT_OPENMPT=OFF -DWANT_MP3=OFF -DWANT_MODAUDIO=OFF \
        -DWANT_COLOR=OFF -DWANT_MEMFILE=OFF -DWANT_PHYSFS=OFF -DWANT_NATIVE_DIALOG=OFF \
        -DWANT_VIDEO=OFF -DWANT_DOCS=OFF -DWANT_EXAMPLES=OFF -DWANT_DEMO=OFF -DWANT_TESTS=OFF \
        -DZLIB_LIBRARY="$stage/lib/libz.a" -DZLIB_INCLUDE_DIR="$stage/include"
}

for library in zlib libpng freetype libogg libvorbis allegro; do
    build "$library"
done
settle "$stage" "$prefix"
say "built into $prefix"
echo "$prefix"
