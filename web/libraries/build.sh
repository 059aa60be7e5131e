#!/usr/bin/env bash
# Builds the browser build's libraries (zlib, libpng, FreeType, Ogg, Vorbis,
# SDL2 and a static Allegro monolith on SDL) with Emscripten from the release
# tarballs in $FORNALINA_WEB_SOURCES, checked against web/SHA256SUMS, into one
# prefix cached outside the repository:
#   ${XDG_CACHE_HOME:-~/.cache}/fornalina-web/libraries-KEY
# KEY hashes the checksums, this script and the functions it shares with the
# Windows build (scripts/library-build.sh), the patches, the force-included header
# and emcc's version, so a change to any of them builds a new prefix; an
# existing one is taken as it is. The libraries Allegro builds on are kept apart
# too (dependencies-KEY), so that a change to Allegro's patches alone rebuilds
# Allegro alone. The last line of standard output is the prefix's absolute
# path. Progress goes to standard error, the tools' output to libraries-KEY.log
# beside the prefix.
set -euo pipefail

libraries=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
web=$(dirname "$libraries")
repo=$(dirname "$web")
what="web libraries"
sums=$web/SHA256SUMS
cache=${XDG_CACHE_HOME:-$HOME/.cache}/fornalina-web
# shellcheck source=../../scripts/library-build.sh
source "$repo/scripts/library-build.sh"

"$repo/scripts/setup.sh" --web >&2

# Debian's emcc runs JavaScript tools (acorn) that Node looks for only here.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# key PATCH...: a short hash of the checksums, this script, the functions it
# shares with the Windows build, the force-included header, these patches
# (named from web/) and emcc's version.
key() {
    (cd "$web" && emcc --version | libraries_key SHA256SUMS libraries/build.sh ../scripts/library-build.sh \
        libraries/*.h "$@")
}
patches=()
dependency_patches=()
for patch in "$web"/patches/*.patch; do
    patches+=("patches/${patch##*/}")
    [[ "${patch##*/}" == allegro-* ]] || dependency_patches+=("patches/${patch##*/}")
done
dependencies_key=$(key "${dependency_patches[@]}")
key=$(key "${patches[@]}")
dependencies=$cache/dependencies-$dependencies_key
prefix=$cache/libraries-$key
if [[ -d "$prefix" ]]; then
    echo "$prefix"
    exit 0
fi
sources=$(checked_sources)
start_work "libraries-$key"

# cmake_library SOURCE OPTION...: configures SOURCE for Emscripten as a static
# Release build against the prefix so far, builds it and installs it there.
cmake_library() {
    local src=$1
    shift
    local build=$work/build/${src##*/}
    # Configure checks run their test programs in Node, which (version 20)
    # refuses the option emcmake would give it: every size check would fail.
    quiet emcmake cmake -S "$src" -B "$build" \
        -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF \
        -DCMAKE_INSTALL_PREFIX="$stage" \
        -DCMAKE_PREFIX_PATH="$stage" \
        -DCMAKE_FIND_ROOT_PATH="$stage" \
        "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch" \
        "$@"
    quiet cmake --build "$build" --parallel "$jobs"
    quiet cmake --install "$build"
}

# Its CMake build makes a shared and a static library that clash.
build_zlib() {
    local src
    src=$(unpack zlib "$web/patches")
    (
        cd "$src"
        quiet emconfigure ./configure --static --prefix="$stage"
        quiet emmake make -j"$jobs" libz.a
        quiet emmake make install
    )
}

build_libpng() {
    local src
    src=$(unpack libpng "$web/patches")
    cmake_library "$src" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_TOOLS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_ROOT="$stage"
}

# Allegro reads TrueType fonts only: none of FreeType's optional libraries.
build_freetype() {
    local src
    src=$(unpack freetype "$web/patches")
    cmake_library "$src" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
        -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

build_libogg() {
    local src
    src=$(unpack libogg "$web/patches")
    cmake_library "$src" -DINSTALL_DOCS=OFF
}

build_libvorbis() {
    local src
    src=$(unpack libvorbis "$web/patches")
    cmake_library "$src"
}

# Emscripten's own SDL port would be downloaded; this one is built without
# threads, as the page has none.
build_sdl2() {
    local src
    src=$(unpack SDL2 "$web/patches")
    cmake_library "$src" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
        -DSDL2_DISABLE_SDL2MAIN=ON -DCMAKE_C_FLAGS="-include $libraries/em-js-deps.h"
}

# Without threads al_wait_for_event rests and polls (WAIT_EVENT_SLEEP); sound
# goes through SDL, not OpenAL.
build_allegro() {
    local src
    src=$(unpack allegro "$web/patches")
    cmake_library "$src" -DALLEGRO_SDL=ON -DSHARED=OFF -DWANT_MONOLITH=ON \
        -DWANT_ALLOW_SSE=OFF -DWANT_WAIT_EVENT_SLEEP=ON -DWANT_OPENAL=OFF \
        -DWANT_IMAGE=ON -DWANT_IMAGE_PNG=ON -DWANT_IMAGE_JPG=OFF -DWANT_IMAGE_FREEIMAGE=OFF \
        -DWANT_IMAGE_WEBP=OFF -DWANT_FONT=ON -DWANT_TTF=ON -DWANT_PRIMITIVES=ON \
        -DWANT_AUDIO=ON -DWANT_VORBIS=ON -DWANT_TREMOR=OFF -DWANT_FLAC=OFF -DWANT_OPUS=OFF \
        -DWANT_DUMB=OFF -DWANT_OPENMPT=OFF -DWANT_MP3=OFF \
        -DWANT_COLOR=OFF -DWANT_MEMFILE=OFF -DWANT_PHYSFS=OFF -DWANT_NATIVE_DIALOG=OFF \
        -DWANT_VIDEO=OFF -DWANT_DOCS=OFF -DWANT_EXAMPLES=OFF -DWANT_DEMO=OFF -DWANT_TESTS=OFF
}

if [[ -d "$dependencies" ]]; then
    say "taking the libraries Allegro builds on from $dependencies"
    cp -a "$dependencies/." "$stage/"
else
    for library in zlib libpng freetype libogg libvorbis sdl2; do
        build "$library"
    done
    cp -a "$stage" "$work/dependencies"
    settle "$work/dependencies" "$dependencies"
fi
build allegro
settle "$stage" "$prefix"
say "built into $prefix"
echo "$prefix"
