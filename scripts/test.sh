#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: once in the
# normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/setup.sh --tests

# Windows come from a virtual X server, audio from OpenAL's null driver.
run_tests() {
    (cd "$1" && ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1024x768x24" \
        ctest --output-on-failure --parallel "$(nproc)")
}

scripts/build.sh build
run_tests build

BUILD_TYPE=Debug scripts/build.sh build-sanitize -DFORNALINA_SANITIZE=ON
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_tests build-sanitize
