#!/usr/bin/env bash
# Fits the master engine's evaluation weights from scratch: hand-set weights, then two rounds of
# self-play games, each played by the engine built from the weights before it, and a fit to all
# the games. Writes src/engine/master/EvalWeights8.inc and EvalWeights10.inc. Takes some five
# hours on two cores; the weights in the tree came from these rounds (see their first line).
#   tools/tune/retrain.sh [BUILD_DIR] [WORK_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
WORK=${2:-build/tune}
mkdir -p "$WORK"
TUNE="$BUILD/tools/tune/corvana-tune"
WEIGHTS=src/engine/master

# Per round: games and depth on 8 x 8, then on 10 x 10. The second round plays deeper.
GAMES8=(30000 20000)
DEPTH8=(5 6)
GAMES10=(15000 12000)
DEPTH10=(4 5)

build() { cmake --build "$BUILD" --target corvana-tune -j "$(nproc)" >/dev/null; }
fit() { # fit SIZE FILES...: the newest games first (the held-out tenth is the oldest ones)
    local size=$1
    shift
    "$TUNE" fit --size "$size" --epochs 20 --out "$WEIGHTS/EvalWeights$size.inc" "$@"
}

build
"$TUNE" init --size 8 --out "$WEIGHTS/EvalWeights8.inc"
"$TUNE" init --size 10 --out "$WEIGHTS/EvalWeights10.inc"
files8=()
files10=()
for round in 1 2; do
    build
    i=$((round - 1))
    # One job each, so that every game is the same on every machine (for its seed).
    "$TUNE" games --size 8 --games "${GAMES8[$i]}" --depth "${DEPTH8[$i]}" --seed "$round" \
        --out "$WORK/games8-$round.txt" &
    "$TUNE" games --size 10 --games "${GAMES10[$i]}" --depth "${DEPTH10[$i]}" --seed "$round" \
        --out "$WORK/games10-$round.txt" &
    wait
    files8=("$WORK/games8-$round.txt" "${files8[@]}")
    files10=("$WORK/games10-$round.txt" "${files10[@]}")
    fit 8 "${files8[@]}"
    fit 10 "${files10[@]}"
done
echo "retrain: new weights in $WEIGHTS/EvalWeights8.inc and EvalWeights10.inc"
