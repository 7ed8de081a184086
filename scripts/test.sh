#!/bin/sh
# Builds everything and runs the whole test suite. With ZRT_SANITIZE=1 it
# then builds the suite again with AddressSanitizer and
# UndefinedBehaviorSanitizer (the "sanitize" preset, into build-sanitize)
# and runs it once more there; that doubles the time, so it is a step of
# its own.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
sh scripts/build.sh
(cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)")

if [ "${ZRT_SANITIZE:-0}" = 1 ]; then
    echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize
    ctest --preset sanitize
fi
