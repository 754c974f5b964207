#!/usr/bin/env bash
# Fits the master engine's evaluation weights from scratch: hand-set weights, then rounds of
# self-play games with the engine built from the last weights and a fit to them. Writes
# src/engine/master/EvalWeights8.inc and EvalWeights10.inc. Takes a few hours on two cores.
#   tools/tune/retrain.sh [BUILD_DIR] [WORK_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
WORK=${2:-build/tune}
ROUNDS=${ROUNDS:-3}
mkdir -p "$WORK"
TUNE="$BUILD/tools/tune/corvana-tune"
WEIGHTS=src/engine/master

build() { cmake --build "$BUILD" --target corvana-tune -j "$(nproc)" >/dev/null; }

build
"$TUNE" init --size 8 --out "$WEIGHTS/EvalWeights8.inc"
"$TUNE" init --size 10 --out "$WEIGHTS/EvalWeights10.inc"
for round in $(seq 1 "$ROUNDS"); do
    build
    # Each round plays more and deeper games than the one before, with new openings.
    "$TUNE" games --size 8 --games $((20000 * round)) --depth $((3 + round)) --seed "$round" \
        --jobs "$(nproc)" --out "$WORK/games8-$round.txt"
    "$TUNE" games --size 10 --games $((10000 * round)) --depth $((2 + round)) --seed "$round" \
        --jobs "$(nproc)" --out "$WORK/games10-$round.txt"
    # The fit takes this round's games and the last round's, the newer ones from a better player.
    prev=$((round - 1))
    files8="$WORK/games8-$round.txt"
    files10="$WORK/games10-$round.txt"
    if [ "$prev" -ge 1 ]; then
        files8="$files8 $WORK/games8-$prev.txt"
        files10="$files10 $WORK/games10-$prev.txt"
    fi
    "$TUNE" fit --size 8 --out "$WEIGHTS/EvalWeights8.inc" $files8
    "$TUNE" fit --size 10 --out "$WEIGHTS/EvalWeights10.inc" $files10
done
echo "retrain: new weights in $WEIGHTS/EvalWeights8.inc and EvalWeights10.inc"
