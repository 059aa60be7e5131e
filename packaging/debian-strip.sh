#!/bin/sh
# The strip command of the Debian package build (CMAKE_STRIP): strips what
# Debian's own tools strip, the debugging symbols and the compiler's notes.
exec strip --remove-section=.comment --remove-section=.note "$@"
