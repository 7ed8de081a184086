#!/bin/sh
# Takes the pictures of the user guide anew, in Italian and in English,
# into docs/guide/LANGUAGE/images. Needs the programs built (scripts/build.sh).
set -eu
cd "$(dirname "$0")/.."
for language in it en; do
    LANGUAGE=$language LC_ALL=C.UTF-8 sh scripts/screenshots.sh "docs/guide/$language/images" >/dev/null
    rm -f "docs/guide/$language/images/intro.png" "docs/guide/$language/images/main-idle.png" \
        "docs/guide/$language/images/main-euro.png" "docs/guide/$language/images/guide.png"
done
ls docs/guide/*/images
