#!/usr/bin/env bash
# Installs, from the distribution's packages (Debian or Ubuntu), what building
# and playing need; with --tests also what the tests need (the validators of
# the desktop entry, metainfo and manual page among them), with --package what
# building and checking the Debian package needs, with --web what building the
# browser build's libraries and checking its page need (Emscripten, Node and
# npm, Chromium, xz and patch for the release tarballs), with --engines the
# other browser engines the page is tried in (Firefox ESR, and WebKitGTK's
# MiniBrowser with its WebDriver), with --windows what cross-building the
# Windows zip needs (mingw-w64, Wine, zip), with --windows-test what trying it
# under Wine needs (Xvfb, xdotool, Python and ImageMagick's convert for the
# pictures, GoogleTest's sources). What is already there counts, wherever it
# came from: commands on PATH and pkg-config modules are looked for first.
# Quiet when nothing is missing. Where it cannot install (no
# apt-get, or neither root nor sudo), it names what is missing, prints the one
# command that installs it, and fails.
set -euo pipefail

missing=()
# need PACKAGE CHECK...: PACKAGE is missing unless the CHECK command succeeds.
need() {
    local package=$1
    shift
    "$@" > /dev/null 2>&1 || missing+=("$package")
}
has_command() { command -v "$1"; }
has_module() { command -v pkg-config && pkg-config --exists "$1"; }
has_file() { [[ -e "$1" ]]; }

need build-essential has_command c++
need build-essential has_command make
need cmake has_command cmake
need pkg-config has_command pkg-config
need liballegro5-dev has_module allegro-5
need liballegro-image5-dev has_module allegro_image-5
need liballegro-ttf5-dev has_module allegro_ttf-5
need liballegro-audio5-dev has_module allegro_audio-5
need liballegro-acodec5-dev has_module allegro_acodec-5
need libx11-dev has_module x11
for option in "$@"; do
    case "$option" in
    --tests)
        need libgtest-dev has_module gtest_main
        need xvfb has_command xvfb-run
        need xauth has_command xauth
        need appstream has_command appstreamcli
        need desktop-file-utils has_command desktop-file-validate
        need groff has_command groff
        need man-db has_command man
        # A window manager for the fullscreen test, without its recommended
        # configuration tools (a whole toolkit).
        need openbox has_command openbox
        ;;
    --package)
        need dpkg-dev has_command dpkg-shlibdeps
        need dpkg-dev has_command dpkg-buildflags
        need file has_command file
        need lintian has_command lintian
        ;;
    --web)
        need emscripten has_command emcc
        need nodejs has_command node
        need npm has_command npm
        need chromium has_command chromium
        need xz-utils has_command xz
        need patch has_command patch
        ;;
    --engines)
        need firefox-esr has_command firefox-esr
        need webkit2gtk-driver has_command WebKitWebDriver
        ;;
    --windows)
        need mingw-w64 has_command x86_64-w64-mingw32-g++-posix
        need mingw-w64 has_command x86_64-w64-mingw32-windres
        need wine has_command wine
        need zip has_command zip
        need xz-utils has_command xz
        need patch has_command patch
        ;;
    --windows-test)
        need xvfb has_command Xvfb
        need xdotool has_command xdotool
        need python3 has_command python3
        # The Wine check reads the desktop game's PNG pictures through it.
        need imagemagick has_command convert
        need googletest has_file /usr/src/googletest/CMakeLists.txt
        ;;
    *)
        echo "usage: $0 [--tests] [--package] [--web] [--engines] [--windows] [--windows-test]" >&2
        exit 2
        ;;
    esac
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

# A package may be listed twice (two commands of build-essential).
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')

if ! command -v apt-get > /dev/null; then
    echo "Missing: ${missing[*]}" >&2
    echo "Install them (or what your system calls them) with its package manager." >&2
    exit 1
fi
sudo=()
if [[ "$(id -u)" -ne 0 ]]; then
    # Without sudo, or with a sudo that would ask for a password nobody can
    # type here, say what to run instead of hanging or failing halfway.
    if ! command -v sudo > /dev/null; then
        echo "Missing: ${missing[*]}" >&2
        echo "As root, run: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    if [[ ! -t 0 ]] && ! sudo -n true 2> /dev/null; then
        echo "Missing: ${missing[*]}" >&2
        echo "Run: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
lean=()
full=()
for package in "${missing[@]}"; do
    if [[ "$package" == openbox ]]; then lean+=("$package"); else full+=("$package"); fi
done
apt_install() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" > /dev/null; }
[[ ${#full[@]} -eq 0 ]] || apt_install "${full[@]}"
[[ ${#lean[@]} -eq 0 ]] || apt_install --no-install-recommends "${lean[@]}"
