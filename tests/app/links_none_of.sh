#!/bin/sh
# Fails when the program names any of the libraries among the ones it needs
# (its ELF NEEDED entries), or when those cannot be read.
# Usage: links_none_of.sh READELF PROGRAM LIBRARY...
set -u
readelf=$1
program=$2
shift 2
needed=$("$readelf" -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
if [ -z "$needed" ]; then
    echo "no NEEDED entries read from $program" >&2
    exit 1
fi
status=0
for library in "$@"; do
    if printf '%s\n' "$needed" | grep -q -- "$library"; then
        echo "$program needs $library" >&2
        status=1
    fi
done
exit $status
