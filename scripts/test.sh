#!/bin/sh
# Builds everything and runs the whole test suite, then builds it again with
# AddressSanitizer and UndefinedBehaviorSanitizer (the "sanitize" preset,
# into build-sanitize) and runs it there too. The fifty kill -9 rounds,
# which wait on real time and test no memory handling of their own, run
# only in the first pass. ZRT_SANITIZE=0 skips the second pass.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
sh scripts/build.sh
(cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)")

if [ "${ZRT_SANITIZE:-1}" = 1 ]; then
    echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize
    ctest --preset sanitize --exclude-regex '^FiveSeeds/KillRecovery\.'
fi
