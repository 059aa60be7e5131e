# Sourced by the builds of pinned libraries (web/libraries/build.sh,
# windows/libraries/build.sh): each builds release tarballs, checked against
# web/SHA256SUMS, once into a prefix cached outside the repository and keyed by
# what went into it. The caller sets, before using these:
#   what     the build's name in its progress lines ("web libraries")
#   sums     the checksums file (web/SHA256SUMS)
#   cache    the cache folder the prefixes live in
# and, once it starts building (start_work): sources, work, stage, log, jobs.

say() { echo "$what: $*" >&2; }
die() {
    say "$*"
    exit 1
}

# libraries_key FILE...: a short hash of these files (named as given, from the
# working folder) and of the standard input (tool versions).
libraries_key() {
    { sha256sum "$@" && cat; } | sha256sum | cut -c1-12
}

# checked_sources: the absolute path of FORNALINA_WEB_SOURCES once each tarball
# in it that $sums lists matches its checksum (files it does not list are not
# looked at); dies otherwise.
checked_sources() {
    local folder=${FORNALINA_WEB_SOURCES:-}
    [[ -n "$folder" ]] ||
        die "set FORNALINA_WEB_SOURCES to the folder holding the tarballs listed in ${sums##*/}"
    [[ -d "$folder" ]] || die "FORNALINA_WEB_SOURCES=$folder is not a folder"
    folder=$(cd "$folder" && pwd)
    if ! (cd "$folder" && sha256sum --check --strict --quiet "$sums") >&2; then
        die "the tarballs in $folder do not match $sums; refusing to build from them"
    fi
    echo "$folder"
}

# start_work NAME: makes the log $cache/NAME.log and a scratch folder $work
# (removed at exit) with $work/src, $work/build and the prefix being filled,
# $stage. Everything is built and installed there and moved into place only at
# the end, so an interrupted build never leaves a prefix that looks finished.
start_work() {
    mkdir -p "$cache"
    log=$cache/$1.log
    : > "$log"
    work=$(mktemp -d "$cache/$1.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    stage=$work/prefix
    mkdir -p "$work/src" "$work/build" "$stage"
    jobs=$(nproc)
}

# quiet COMMAND...: runs COMMAND with its output in the log; on failure shows
# the log's end and stops.
quiet() {
    if ! "$@" >> "$log" 2>&1; then
        say "failed: $*"
        tail -n 40 "$log" >&2
        die "the whole log is $log"
    fi
}

# unpack NAME [PATCHES]: extracts NAME's tarball (the one $sums lists), applies
# PATCHES/NAME-*.patch in name order, and prints the source folder.
unpack() {
    local name=$1 patches=${2:-} tarball patch
    tarball=$(awk -v name="$name" '$2 ~ "^" name "-[0-9]" { print $2 }' "$sums")
    [[ -n "$tarball" ]] || die "${sums##*/} lists no tarball for $name"
    quiet tar -xf "$sources/$tarball" -C "$work/src"
    if [[ -n "$patches" ]]; then
        for patch in "$patches/$name"-*.patch; do
            [[ -e "$patch" ]] || continue
            quiet patch -p1 --batch --forward -d "$work/src/${tarball%.tar.xz}" -i "$patch"
        done
    fi
    echo "$work/src/${tarball%.tar.xz}"
}

# build LIBRARY: runs build_LIBRARY, saying how long it took.
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
