#!/bin/sh
# Builds everything and runs the whole test suite.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
sh scripts/build.sh
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)"
