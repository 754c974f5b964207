#!/bin/sh
# A position in the one-line format goes to GGF and back with its start, show prints the start,
# a transcript keeps it as its first line, and a saved game, which cannot keep it, is refused and
# not written.
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
if "$cli" convert "$dir/p.ggf" "$dir/p.kpx" 2> "$dir/err"; then
    echo "a set-up game was written as .kpx"
    exit 1
fi
grep -q "p.kpx was not written: the game starts from a set-up position" "$dir/err"
test ! -e "$dir/p.kpx"
# A game from the position: the transcript's first line is the start, the moves follow, and it
# reads back to the same game.
printf '(;GM[Othello]BO[8 O--OOOO* -OOOOOO* OO**OOO* OO*OOO** OOOOOO** ---OOOO* ----O--* -------- *]B[a2]W[b1];)\n' > "$dir/g.ggf"
"$cli" convert "$dir/g.ggf" "$dir/g.txt"
test "$(sed -n 1p "$dir/g.txt")" = "$line"
test "$(sed -n 2p "$dir/g.txt")" = "a2b1"
"$cli" convert "$dir/g.txt" "$dir/back.ggf"
"$cli" show "$dir/g.ggf" > "$dir/a"
"$cli" show "$dir/back.ggf" > "$dir/b"
cmp "$dir/a" "$dir/b"
# A position line that is no position is refused with its reason.
printf 'O--OOOOX- X\na2\n' > "$dir/bad.txt"
if "$cli" show "$dir/bad.txt" 2> "$dir/err"; then
    echo "a transcript from an impossible board was read"
    exit 1
fi
grep -q "squares" "$dir/err"
echo "the start came through"
