#!/bin/sh
# Takes pictures of the windows under a virtual X server: the intro, the
# main window idle, metering in Lire and in Euro, its pop-up menu, the
# management window's pages and the tariff editor. The windows speak
# the language of the environment (LANGUAGE, LC_ALL, LANG).
# Usage: scripts/screenshots.sh [OUTPUT_DIR]   (default: $BUILD_DIR/screenshots)
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=$(realpath -m "${1:-$BUILD_DIR/screenshots}")
PREVIEW="$BUILD_DIR/bin/zrt_windows_preview"
CTL="$BUILD_DIR/bin/zrtellixctl"
for tool in "$PREVIEW" "$CTL"; do
    [ -x "$tool" ] || { echo "Build $tool first (scripts/build.sh)." >&2; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT" "$WORK/data" "$WORK/sim" "$WORK/config/ZR Tellix 99" "$WORK/runtime"
chmod 700 "$WORK/runtime"

"$CTL" init --db "$WORK/data/zrtell.T99" >/dev/null
printf 'Casa\nUfficio\n' >"$WORK/sim/entries"
: >"$WORK/sim/connected"
cp data/news.htm "$WORK/data/news.htm"
# Not a first run: the pictures are taken without touching the desktop's autostart.
printf '[SecondoAvvio]\nValore=-1\nAuto=0\n' >"$WORK/config/ZR Tellix 99/ZR Tellix 99.ini"

XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" \
    "$PREVIEW" --dialup "sim:$WORK/sim" --data-dir "$WORK/data" --screenshots "$OUT"
ls "$OUT"/*.png
