#!/bin/sh
# Checks that every translatable text of the sources has a finished translation in every .ts
# file: updates copies of the files from the sources and looks for unfinished or empty messages.
# Usage: CheckTranslations.sh LUPDATE WORKDIR TS... -- SOURCEDIR...
set -eu
lupdate=$1
work=$2
shift 2
mkdir -p "$work"
copies=""
while [ "$1" != "--" ]; do
    cp "$1" "$work/"
    copies="$copies $work/$(basename "$1")"
    shift
done
shift
# shellcheck disable=SC2086
"$lupdate" -silent -no-obsolete -locations none "$@" -ts $copies
status=0
for ts in $copies; do
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    empty=$(grep -c '<translation></translation>\|<translation/>' "$ts" || true)
    if [ "$unfinished" != 0 ] || [ "$empty" != 0 ]; then
        echo "FAIL: $(basename "$ts"): $unfinished unfinished, $empty empty"
        grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -20
        status=1
    else
        echo "$(basename "$ts"): $(grep -c '<message' "$ts") texts, all translated"
    fi
done
exit $status
