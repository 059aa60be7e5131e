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
# LeakSanitizer's tracer misreads the dynamic TLS blocks of the GL driver's
# threads on some runs and crashes at exit, after a test passed: those blocks
# are left out of its scan.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_tests build-sanitize
