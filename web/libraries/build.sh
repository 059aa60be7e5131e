#!/usr/bin/env bash
# Builds the browser build's libraries (zlib, libpng, FreeType, Ogg, Vorbis,
# SDL2 and a static Allegro monolith on SDL) with Emscripten from the release
# tarballs in $FORNALINA_WEB_SOURCES, checked against web/SHA256SUMS, into one
# prefix cached outside the repository:
#   ${XDG_CACHE_HOME:-~/.cache}/fornalina-web/libraries-KEY
# KEY hashes the checksums, this script, the patches, the force-included header
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

say() { echo "web libraries: $*" >&2; }
die() {
    say "$*"
    exit 1
}

"$repo/scripts/setup.sh" --web >&2

# Debian's emcc runs JavaScript tools (acorn) that Node looks for only here.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# key PATCH...: a short hash of the checksums, this script, the force-included
# header, these patches (named from web/) and emcc's version.
key() {
    (
        cd "$web"
        sha256sum SHA256SUMS libraries/build.sh libraries/*.h "$@"
        emcc --version
    ) | sha256sum | cut -c1-12
}
patches=()
dependency_patches=()
for patch in "$web"/patches/*.patch; do
    patches+=("patches/${patch##*/}")
    [[ "${patch##*/}" == allegro-* ]] || dependency_patches+=("patches/${patch##*/}")
done
dependencies_key=$(key "${dependency_patches[@]}")
key=$(key "${patches[@]}")
cache=${XDG_CACHE_HOME:-$HOME/.cache}/fornalina-web
dependencies=$cache/dependencies-$dependencies_key
prefix=$cache/libraries-$key
log=$cache/libraries-$key.log
if [[ -d "$prefix" ]]; then
    echo "$prefix"
    exit 0
fi

sources=${FORNALINA_WEB_SOURCES:-}
[[ -n "$sources" ]] ||
    die "set FORNALINA_WEB_SOURCES to the folder holding the tarballs listed in web/SHA256SUMS"
[[ -d "$sources" ]] || die "FORNALINA_WEB_SOURCES=$sources is not a folder"
sources=$(cd "$sources" && pwd)
if ! (cd "$sources" && sha256sum --check --strict --quiet "$web/SHA256SUMS") >&2; then
    die "the tarballs in $sources do not match web/SHA256SUMS; refusing to build from them"
fi

mkdir -p "$cache"
: > "$log"
# Everything is built and installed under $work and renamed into place only at
# the end, so an interrupted build never leaves a prefix that looks finished.
work=$(mktemp -d "$cache/libraries-$key.XXXXXX")
trap 'rm -rf "$work"' EXIT
stage=$work/prefix
jobs=$(nproc)

# quiet COMMAND...: runs COMMAND with its output in the log; on failure shows
# the log's end and stops.
quiet() {
    if ! "$@" >> "$log" 2>&1; then
        say "failed: $*"
        tail -n 40 "$log" >&2
        die "the whole log is $log"
    fi
}

# unpack NAME: extracts NAME's tarball (the one web/SHA256SUMS lists), applies
# web/patches/NAME-*.patch in name order, and prints the source folder.
unpack() {
    local name=$1 tarball patch
    tarball=$(awk -v name="$name" '$2 ~ "^" name "-[0-9]" { print $2 }' "$web/SHA256SUMS")
    [[ -n "$tarball" ]] || die "web/SHA256SUMS lists no tarball for $name"
    quiet tar -xf "$sources/$tarball" -C "$work/src"
    for patch in "$web/patches/$name"-*.patch; do
        [[ -e "$patch" ]] || continue
        quiet patch -p1 --batch --forward -d "$work/src/${tarball%.tar.xz}" -i "$patch"
    done
    echo "$work/src/${tarball%.tar.xz}"
}

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
    src=$(unpack zlib)
    (
        cd "$src"
        quiet emconfigure ./configure --static --prefix="$stage"
        quiet emmake make -j"$jobs" libz.a
        quiet emmake make install
    )
}

build_libpng() {
    local src
    src=$(unpack libpng)
    cmake_library "$src" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_TOOLS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_ROOT="$stage"
}

# Allegro reads TrueType fonts only: none of FreeType's optional libraries.
build_freetype() {
    local src
    src=$(unpack freetype)
    cmake_library "$src" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
        -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

build_libogg() {
    local src
    src=$(unpack libogg)
    cmake_library "$src" -DINSTALL_DOCS=OFF
}

build_libvorbis() {
    local src
    src=$(unpack libvorbis)
    cmake_library "$src"
}

# Emscripten's own SDL port would be downloaded; this one is built without
# threads, as the page has none.
build_sdl2() {
    local src
    src=$(unpack SDL2)
    cmake_library "$src" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
        -DSDL2_DISABLE_SDL2MAIN=ON -DCMAKE_C_FLAGS="-include $libraries/em-js-deps.h"
}

# Without threads al_wait_for_event rests and polls (WAIT_EVENT_SLEEP); sound
# goes through SDL, not OpenAL.
build_allegro() {
    local src
    src=$(unpack allegro)
    cmake_library "$src" -DALLEGRO_SDL=ON -DSHARED=OFF -DWANT_MONOLITH=ON \
        -DWANT_ALLOW_SSE=OFF -DWANT_WAIT_EVENT_SLEEP=ON -DWANT_OPENAL=OFF \
        -DWANT_IMAGE=ON -DWANT_IMAGE_PNG=ON -DWANT_IMAGE_JPG=OFF -DWANT_IMAGE_FREEIMAGE=OFF \
        -DWANT_IMAGE_WEBP=OFF -DWANT_FONT=ON -DWANT_TTF=ON -DWANT_PRIMITIVES=ON \
        -DWANT_AUDIO=ON -DWANT_VORBIS=ON -DWANT_TREMOR=OFF -DWANT_FLAC=OFF -DWANT_OPUS=OFF \
        -DWANT_DUMB=OFF -DWANT_OPENMPT=OFF -DWANT_MP3=OFF \
        -DWANT_COLOR=OFF -DWANT_MEMFILE=OFF -DWANT_PHYSFS=OFF -DWANT_NATIVE_DIALOG=OFF \
        -DWANT_VIDEO=OFF -DWANT_DOCS=OFF -DWANT_EXAMPLES=OFF -DWANT_DEMO=OFF -DWANT_TESTS=OFF
}

build() {
    local library=$1 started=$SECONDS
    say "building $library"
    "build_$library"
    say "built $library in $((SECONDS - started)) s"
}

# settle FOLDER PLACE: FOLDER, installed into $stage, becomes PLACE (unless
# another run of the same build got there first). The installed pkg-config,
# CMake and *-config files name the folder they were installed to; they must
# name PLACE.
settle() {
    local folder=$1 place=$2
    { grep -rlIF -- "$stage" "$folder" || true; } | while read -r file; do
        STAGE=$stage PLACE=$place perl -pi -e 's/\Q$ENV{STAGE}\E/$ENV{PLACE}/g' "$file"
    done
    if ! mv -T "$folder" "$place" 2> /dev/null; then
        [[ -d "$place" ]] || die "could not move the built libraries to $place"
    fi
}

mkdir -p "$work/src" "$work/build" "$stage"
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
