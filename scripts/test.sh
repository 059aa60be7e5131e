#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: once in the
# normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/setup.sh --tests

# Windows come from a virtual X server, audio from OpenAL's null driver. The
# server must not reset when its last client leaves: a test that connects in
# that moment is refused, and its game reports "Falha ao criar janela.".
run_tests() {
    local dir=$1
    shift
    (cd "$dir" && ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
        ctest --output-on-failure --parallel "$(nproc)" "$@")
}

# The options are passed every time: a build folder that the play command
# configured without tests still gets them.
with_tests=(-DFORNALINA_BUILD_TESTS=ON -DFORNALINA_BUILD_TOOLS=ON)

scripts/build.sh build "${with_tests[@]}"
run_tests build

BUILD_TYPE=Debug scripts/build.sh build-sanitize -DFORNALINA_SANITIZE=ON "${with_tests[@]}"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
asan="detect_leaks=1:abort_on_error=1"
# The test processes keep the GL driver loaded (tests/support/AllegroFixture.cpp),
# so the fast unwinder names its leaks. The slow one must not run where Mesa's
# llvmpipe compiles shaders: it registers the code with libgcc's unwinder, whose
# next lookup allocates under its lock, and the slow unwinder run by that
# allocation waits for the same lock for ever.
ASAN_OPTIONS="$asan" run_tests build-sanitize -E FailedStartTest
# The game started where it cannot start unloads the GL driver before it exits,
# and draws nothing: the slow unwinder names every frame of a leak's stack, so a
# leak inside the unloaded driver is still matched by the suppressions through
# the frames of the libraries around it.
ASAN_OPTIONS="$asan:fast_unwind_on_malloc=0" run_tests build-sanitize -R FailedStartTest
