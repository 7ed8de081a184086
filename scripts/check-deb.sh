#!/bin/sh
# Builds the Debian package, checks it with lintian and its desktop entry
# and AppStream metadata with their validators, then installs it into a
# fresh Debian 12 system made with debootstrap and runs the installed
# programs there.
# Usage: scripts/check-deb.sh [CHROOT_DIR]   (default: /var/tmp/zrtellix-bookworm)
set -eu
cd "$(dirname "$0")/.."
ROOT=${1:-/var/tmp/zrtellix-bookworm}
BUILD_DIR=${PACKAGE_BUILD_DIR:-build-package}

sh scripts/install-deps.sh
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZRT_BUILD_TESTS=OFF -DZRT_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
PACKAGE=$(ls "$BUILD_DIR"/zrtellix_*.deb)

echo "== lintian"
lintian --fail-on error,warning --tag-display-limit 0 "$PACKAGE"
CONTENT=$(mktemp -d)
trap 'rm -rf "$CONTENT"' EXIT
dpkg-deb -x "$PACKAGE" "$CONTENT"
echo "== appstreamcli validate"
appstreamcli validate --no-net --strict "$CONTENT"/usr/share/metainfo/*.metainfo.xml
echo "== desktop-file-validate"
for entry in "$CONTENT"/usr/share/applications/*.desktop; do
    messages=$(desktop-file-validate "$entry")
    [ -z "$messages" ] || { echo "$messages"; exit 1; }
done

if [ ! -x "$ROOT/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$ROOT" http://deb.debian.org/debian >/dev/null
fi
cp "$PACKAGE" "$ROOT/tmp/zrtellix.deb"
# The machine-wide autostart entry an earlier version wrote, which the
# package's postinst removes.
mkdir -p "$ROOT/etc/xdg/autostart"
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=ZR Tellix 99' \
    'Comment=Cost meter for dial-up connections' 'Exec="/usr/bin/zrtellix"' 'Icon=zrtellix' \
    'Terminal=false' 'X-GNOME-Autostart-enabled=true' >"$ROOT/etc/xdg/autostart/zrtellix.desktop"
chroot "$ROOT" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install --reinstall -y -qq /tmp/zrtellix.deb >/dev/null'

echo "== the old machine-wide autostart entry, removed by the postinst"
if [ -e "$ROOT/etc/xdg/autostart/zrtellix.desktop" ]; then
    echo "still there" >&2
    exit 1
fi

echo "== zrtellixctl --help"
chroot "$ROOT" zrtellixctl --help | head -3
echo "== zrtellixctl status (a new user's first run)"
chroot "$ROOT" env HOME=/tmp/user zrtellixctl status
echo "== zrtellix --headless for two seconds"
chroot "$ROOT" env HOME=/tmp/user timeout -s INT 2 zrtellix --headless --dialup none || true
echo "== the news page's network plug-in, where the program looks for it"
chroot "$ROOT" ls /usr/lib/zrtellix/libzrtellix_network.so
echo "Package $(basename "$PACKAGE") installs and runs."
