#!/bin/sh
# check.sh quiet|no-warnings|status TOOL ARGS...: one check of the files a
# distribution installs, by the tool that distributions check them with.
#   quiet        TOOL succeeds and prints nothing at all
#   no-warnings  TOOL succeeds and prints nothing on standard error (groff and
#                man warn there and still succeed; their page is discarded)
#   status       TOOL succeeds
# When TOOL is not installed the check is skipped: it exits with 77, which
# CTest counts as skipped (scripts/setup.sh --tests installs the tools).
mode=$1
shift
if ! command -v "$1" > /dev/null 2>&1; then
    echo "Skipped: $1 is not installed (scripts/setup.sh --tests installs it)"
    exit 77
fi
case $mode in
quiet) output=$("$@" 2>&1) ;;
no-warnings) output=$("$@" 2>&1 > /dev/null) ;;
status) "$@"; exit ;;
*) echo "unknown mode $mode" >&2; exit 2 ;;
esac
status=$?
if [ -n "$output" ]; then
    printf '%s\n' "$output"
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"
