#!/bin/sh
# Runs the package's maintainer script on a scratch root (DPKG_ROOT) that
# holds one machine-wide autostart entry per case, and checks whether the
# entry is removed or kept.
# Usage: maintainer_script_test.sh SCRIPT
set -eu
SCRIPT=$1
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
AUTOSTART="$ROOT/etc/xdg/autostart"
ENTRY="$AUTOSTART/zrtellix.desktop"
failures=0

fail() {
    echo "FAIL $1"
    failures=$((failures + 1))
}

# The entry as the program writes it; $1 is the Exec value.
generated() {
    printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=ZR Tellix 99' \
        'Comment=Cost meter for dial-up connections' "Exec=$1" 'Icon=zrtellix' \
        'Terminal=false' 'X-GNOME-Autostart-enabled=true'
}

run_script() {
    DPKG_ROOT=$ROOT sh "$SCRIPT" "$@"
}

# expect CASE ACTION OUTCOME TEXT: with an entry holding TEXT in place, the
# script run for ACTION must leave it "removed" or "kept".
expect() {
    mkdir -p "$AUTOSTART"
    printf '%s\n' "$4" >"$ENTRY"
    if ! run_script "$2"; then
        fail "$1: the script failed"
    else
        outcome=kept
        [ -e "$ENTRY" ] || outcome=removed
        [ "$outcome" = "$3" ] || fail "$1: $outcome, expected $3"
    fi
    rm -f "$ENTRY"
}

usual='"/usr/bin/zrtellix"'
expect "installed program, configure" configure removed "$(generated "$usual")"
expect "quoted path, configure" configure removed "$(generated '"/opt/my \"zr\" \$HOME/100%%/zrtellix"')"
expect "installed program, remove" remove removed "$(generated "$usual")"
expect "abort-upgrade" abort-upgrade kept "$(generated "$usual")"
expect "postrm during an upgrade" upgrade kept "$(generated "$usual")"
expect "switched off in the desktop" configure kept "$(generated "$usual" | sed 's/enabled=true/enabled=false/')"
expect "argument added" configure kept "$(generated "$usual" | sed 's/zrtellix"$/zrtellix" --headless/')"
expect "another program" configure kept "$(generated '"/usr/bin/zrtellixctl"')"
expect "comment edited" configure kept "$(generated "$usual" | sed 's/^Comment=.*/Comment=Il mio contascatti/')"
expect "key added" configure kept "$(generated "$usual" | sed '$a Hidden=true')"
expect "key dropped" configure kept "$(generated "$usual" | sed '/^Terminal/d')"
expect "cut short" configure kept "$(generated "$usual" | sed '$d')"

# A link points at a file someone else owns.
generated "$usual" >"$ROOT/elsewhere.desktop"
ln -s "$ROOT/elsewhere.desktop" "$ENTRY"
run_script configure || fail "symbolic link: the script failed"
[ -L "$ENTRY" ] || fail "symbolic link: removed, expected kept"
rm -f "$ENTRY"

# No entry, and no autostart folder at all.
rm -rf "$ROOT/etc"
run_script configure || fail "no entry: the script failed"
[ ! -e "$ROOT/etc" ] || fail "no entry: the script made $ROOT/etc"

[ "$failures" -eq 0 ]
