#!/usr/bin/env bash
# Kills the programs at random moments while they save, and checks that every file they were
# replacing is afterwards either its old version or its new one, byte for byte, never anything
# else (empty, cut short, a mix). Two runs:
#   cli    N kills of `corvana-cli selfplay --save` over an existing saved game;
#   window N kills of the window as it closes (settings file and kept game), under Xvfb with
#          xdotool (installed by hand: apt-get install xvfb xdotool).
# Usage: scripts/kill-during-save.sh BUILD_DIR cli|window N
set -euo pipefail
build=$(cd "$1" && pwd)
mode=$2
kills=$3
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; true' EXIT
cli="$build/tools/cli/corvana-cli"
old=0 new=0 other=0 left=0

# A random delay of 0 to $1 milliseconds, as seconds for sleep.
delay() { awk -v max="$1" -v seed="$RANDOM$RANDOM" 'BEGIN { srand(seed); printf "%.4f", rand() * max / 1000 }'; }

# Which version path is: "old", "new" or "other".
version() {
    if cmp -s "$1" "$2"; then echo old; elif cmp -s "$1" "$3"; then echo new; else echo other; fi
}

count() {
    case $1 in old) old=$((old + 1)) ;; new) new=$((new + 1)) ;; *) other=$((other + 1)) ;; esac
}

leftovers() {
    find "$@" -maxdepth 1 -type f \( -name '.corvana-*.tmp' -o -name '*.[A-Za-z0-9][A-Za-z0-9][A-Za-z0-9][A-Za-z0-9][A-Za-z0-9][A-Za-z0-9]' \) | wc -l
}

if [ "$mode" = cli ]; then
    "$cli" selfplay --level 1 --save "$work/old.kpx" >/dev/null
    "$cli" selfplay --level 7 --save "$work/new.kpx" >/dev/null
    start=$(date +%s%N)
    "$cli" selfplay --level 7 --save "$work/probe.kpx" >/dev/null
    span=$(( ($(date +%s%N) - start) / 1000000 + 5 ))
    for _ in $(seq "$kills"); do
        cp "$work/old.kpx" "$work/game.kpx"
        "$cli" selfplay --level 7 --save "$work/game.kpx" >/dev/null &
        pid=$!
        sleep "$(delay "$span")"
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        count "$(version "$work/game.kpx" "$work/old.kpx" "$work/new.kpx")"
        left=$((left + $(leftovers "$work")))
        find "$work" -maxdepth 1 -name '.corvana-*.tmp' -delete
    done
elif [ "$mode" = window ]; then
    export DISPLAY=:$((90 + RANDOM % 9))
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    config="$work/config" state="$work/state"
    # One run to the end gives the new versions: the window plays e6 (the computer answers),
    # then closes and writes both files.
    run() { # $1: milliseconds before the kill, or "" to let it end
        rm -rf "$config" "$state"
        mkdir -p "$config" "$state/corvana"
        printf '[options]\nsndef=no\nanief=no\nlevel=1\n' > "$config/reversi.ini"
        cp "$work/kept.kpx" "$state/corvana/last.kpx"
        XDG_STATE_HOME="$state" "$build/src/game/corvana" --config "$config/reversi.ini" \
            >/dev/null 2>&1 &
        local pid=$! wid
        wid=$(xdotool search --sync --onlyvisible --name '^Corvana$' | head -1)
        sleep 0.3
        # f5, four squares right of and two below the top left corner, played from the keyboard.
        xdotool windowfocus --sync "$wid" 2>/dev/null
        xdotool key Right Right Right Right Down Down Return
        sleep 0.3
        if [ -z "$1" ]; then
            xdotool key alt+x
        else
            # The key and the kill each after a random pause: the kill lands before the window
            # closes, while it writes, or after.
            (sleep "$(delay "$1")"; xdotool key alt+x) &
            sleep "$(delay "$1")"
            kill -9 "$pid" 2>/dev/null || true
            wait $! 2>/dev/null || true
        fi
        # A window that did not close is a failure of the run, not of the files.
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        if kill -0 "$pid" 2>/dev/null; then
            kill -9 "$pid"
            echo "the window did not close" >&2
            exit 1
        fi
        wait "$pid" 2>/dev/null || true
    }
    "$cli" selfplay --level 1 --save "$work/kept.kpx" >/dev/null
    printf '[options]\nsndef=no\nanief=no\nlevel=1\n' > "$work/old.ini"
    run ""
    cp "$config/reversi.ini" "$work/new.ini"
    cp "$state/corvana/last.kpx" "$work/new.kpx"
    cmp -s "$work/new.kpx" "$work/kept.kpx" && { echo "the window kept no new game"; exit 1; }
    cmp -s "$work/new.ini" "$work/old.ini" && { echo "the window wrote no settings"; exit 1; }
    for _ in $(seq "$kills"); do
        run 40
        count "$(version "$config/reversi.ini" "$work/old.ini" "$work/new.ini")"
        count "$(version "$state/corvana/last.kpx" "$work/kept.kpx" "$work/new.kpx")"
        left=$((left + $(leftovers "$config" "$state/corvana")))
    done
else
    echo "usage: $0 BUILD_DIR cli|window N" >&2
    exit 2
fi
echo "$mode: $kills kills; files old: $old, new: $new, anything else: $other; temporaries left: $left"
[ "$other" -eq 0 ]
