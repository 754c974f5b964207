#!/usr/bin/env bash
# Runs the whole test suite of a build folder several times in a row, each pass in full and in
# order, and stops at the first pass that fails. `ctest --repeat until-fail:N` repeats each test in
# place before moving on, so it cannot catch a test that leaves something behind for the next one;
# this does. With --loaded, a busy loop runs on every core for the whole run (and is stopped
# afterwards), to show that no test depends on the machine being idle. Used by `make repeat`.
#
#   scripts/repeat-tests.sh [--loaded] [BUILD_DIR] [PASSES]     (defaults: build 20)
set -euo pipefail

loaded=0
if [ "${1:-}" = "--loaded" ]; then
    loaded=1
    shift
fi
dir=${1:-build}
passes=${2:-20}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

if [ ! -f "$dir/CTestTestfile.cmake" ]; then
    echo "repeat-tests: $dir is not a configured build folder (run make first)" >&2
    exit 2
fi
case $passes in
    '' | *[!0-9]*) echo "repeat-tests: the number of passes must be a whole number, not '$passes'" >&2; exit 2 ;;
esac

loops=()
stop_loops() {
    if [ ${#loops[@]} -gt 0 ]; then
        kill "${loops[@]}" 2>/dev/null || true
        wait "${loops[@]}" 2>/dev/null || true
        loops=()
    fi
}
trap stop_loops EXIT
trap 'exit 130' INT TERM
if [ $loaded = 1 ]; then
    for _ in $(seq "$(nproc 2>/dev/null || echo 2)"); do
        (while :; do :; done) &
        loops+=($!)
    done
    echo "repeat-tests: ${#loops[@]} busy loops running"
fi

log=$(mktemp)
trap 'stop_loops; rm -f "$log"' EXIT
start=$SECONDS
for pass in $(seq "$passes"); do
    if (cd "$dir" && ctest -j "$jobs" --output-on-failure) >"$log" 2>&1; then
        echo "pass $pass/$passes: $(grep -E 'tests passed' "$log") ($((SECONDS - start)) s so far)"
    else
        cat "$log"
        echo "repeat-tests: pass $pass/$passes failed after $((SECONDS - start)) s" >&2
        exit 1
    fi
done
echo "repeat-tests: $passes passes of the whole suite in $dir, all passed ($((SECONDS - start)) s)"
