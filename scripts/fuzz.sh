#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzzing build one after the other for SECONDS each, niced, on
# one core, from the seeds the program's own writers make plus what earlier runs found. Inputs
# that break a harness land in BUILD/findings/NAME/; they belong in fuzz/regressions/NAME/ once
# the fault is fixed.
set -euo pipefail

build=${1:?usage: scripts/fuzz.sh BUILD_DIR SECONDS}
seconds=${2:?usage: scripts/fuzz.sh BUILD_DIR SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
"$build/fuzz/corvana-fuzz-seeds" "$build/fuzz-seeds"

status=0
for program in "$build"/fuzz/corvana-fuzz-*; do
    name=${program##*/corvana-fuzz-}
    [ "$name" = seeds ] && continue
    corpus="$build/fuzz-corpus/$name"
    findings="$build/findings/$name"
    mkdir -p "$corpus" "$findings"
    inputs=("$corpus" "$build/fuzz-seeds/$name")
    [ -d "$root/fuzz/regressions/$name" ] && inputs+=("$root/fuzz/regressions/$name")
    echo "fuzz: $name for $seconds s"
    if ! nice "$program" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "${inputs[@]}" \
        >"$build/findings/$name.log" 2>&1; then
        status=1
        echo "fuzz: $name FOUND A FAULT: $(ls "$findings" | head -1) (log: $build/findings/$name.log)"
    fi
    grep -E "^stat::number_of_executed_units|^stat::new_units_added" "$build/findings/$name.log" \
        | sed "s/^/fuzz: $name /" || true
done
exit $status
