#!/bin/sh
# Installs the Debian packages the build, the program and the tests need.
# Quiet and quick when everything is already there.
set -eu

PACKAGES="
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev libqt6svg6 qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  sqlite3 xvfb xauth poppler-utils fonts-liberation
  dbus-daemon python3-dbusmock
  clang-14 libclang-rt-14-dev dpkg-dev file debootstrap
  lintian appstream desktop-file-utils groff-base qt6-l10n-tools faketime libqt6opengl6-dev qt6-charts-dev
"

missing=""
for pkg in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing" >&2
    echo "Run this script as root, or install them with apt-get." >&2
    exit 1
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
