#!/bin/sh
# Builds what is needed and starts ZR Tellix 99 on its default database.
# Without a display it runs headless and prints its status once a second.
# Extra arguments go to the program (see: zrtellix --help).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# Only the programs and what they load: the tests and benchmarks are for
# scripts/test.sh.
sh scripts/build.sh --target zrtellix zrtellixctl zrt_default_database zrt_guide
exec "$BUILD_DIR/bin/zrtellix" "$@"
