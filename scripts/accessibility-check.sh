#!/usr/bin/env bash
# What a screen reader meets, checked by hand: starts the game on a virtual screen with the
# accessibility bus, dumps the board's accessible table, plays a move with the pointer and prints
# what the board says then. Needs xvfb-run, dbus-x11, at-spi2-core, python3-pyatspi and xdotool
# (not installed by scripts/setup.sh: this is a check for people, the tests cover the interfaces).
# Usage: scripts/accessibility-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '[options]\nsndef=no\nanief=no\ngamet=human\n[net]\nport=0\n' > "$dir/reversi.ini"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_STATE_HOME="$dir"
xvfb-run -a dbus-launch --exit-with-session bash -c "
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    '$build/src/game/corvana' --config '$dir/reversi.ini' &
    game=\$!
    /usr/bin/python3 scripts/accessibility-dump.py
    status=\$?
    kill \$game 2>/dev/null || true
    exit \$status
"
