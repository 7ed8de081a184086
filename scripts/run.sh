#!/bin/sh
# Builds what is needed and starts ZR Tellix 99 on its default database.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
sh scripts/build.sh
exec "$BUILD_DIR/bin/zrtellixctl" status "$@"
