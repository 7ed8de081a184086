#!/bin/sh
# Builds what is needed and starts ZR Tellix 99 on its default database.
# Without a display it runs headless and prints its status once a second.
# Extra arguments go to the program (see: zrtellix --help).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
sh scripts/build.sh
exec "$BUILD_DIR/bin/zrtellix" "$@"
