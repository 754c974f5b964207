#!/bin/sh
# Every self-play game at levels 1 to 5 on both boards goes from a saved game to a transcript and
# to GGF and back, and comes back byte for byte; show reads all three forms alike.
set -eu
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for size in 8 10; do
    for level in 1 2 3 4 5; do
        for engine in normal advanced; do
            game="$dir/g$size-$level-$engine"
            "$cli" selfplay --size $size --level $level --engine $engine --save "$game.kpx" >/dev/null
            for form in txt ggf; do
                "$cli" convert "$game.kpx" "$game.$form"
                "$cli" convert "$game.$form" "$game-back-$form.kpx"
                cmp "$game.kpx" "$game-back-$form.kpx"
                "$cli" show "$game.$form" | grep -v '^computer side\|^opponent' > "$game.$form.shown"
                "$cli" show "$game.kpx" | grep -v '^computer side\|^opponent' > "$game.kpx.shown"
                cmp "$game.kpx.shown" "$game.$form.shown"
            done
        done
    done
done
echo "all games came back the same"
