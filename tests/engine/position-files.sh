#!/bin/sh
# A position in the one-line format goes to GGF and back with its start, show prints the start,
# and a saved game or a transcript, which cannot keep it, is refused and not written.
set -eu
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
line='O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X'
printf '%s; A2:+38;\n' "$line" > "$dir/p.obf"
"$cli" convert "$dir/p.obf" "$dir/p.ggf"
grep -q 'BO\[8 O--OOOO\* -OOOOOO\* OO\*\*OOO\* OO\*OOO\*\* OOOOOO\*\* ---OOOO\* ----O--\* -------- \*\]' "$dir/p.ggf"
"$cli" show "$dir/p.ggf" > "$dir/shown"
grep -q "^start: $line, Yellow to move$" "$dir/shown"
"$cli" convert "$dir/p.ggf" "$dir/back.obf"
test "$(cat "$dir/back.obf")" = "$line"
for form in kpx txt; do
    if "$cli" convert "$dir/p.ggf" "$dir/p.$form" 2> "$dir/err"; then
        echo "a set-up game was written as .$form"
        exit 1
    fi
    grep -q "p.$form was not written: the game starts from a set-up position" "$dir/err"
    test ! -e "$dir/p.$form"
done
echo "the start came through"
