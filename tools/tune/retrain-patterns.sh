#!/usr/bin/env bash
# Fits the master engine's pattern evaluation (src/engine/master/PatternWeights8.bin and
# PatternWeights10.bin) as the tables in the tree were fitted. First round: self-play games played
# with the classic evaluation (EvalWeights8/10.inc, from retrain.sh), some recorded with the
# search's score of every position and some with the final result alone, then a least-squares fit
# of the features and tables to the results blended half and half with the scores. Second round,
# 8 x 8 only: games played with the first round's tables at depth 6, fitted again with the
# first round's result-only games (the tables in the tree played those games before the 8 x 8
# evaluation counted stable discs, so the first round here is not quite theirs). Third round,
# 8 x 8 only: games played with the second round's tables at depth 6, fitted alone. One job a
# set, so that every game is the same on every machine for its seed. About three hours on two
# cores.
#   tools/tune/retrain-patterns.sh [BUILD_DIR] [WORK_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
WORK=${2:-build/tune}
mkdir -p "$WORK"
TUNE="$BUILD/tools/tune/corvana-tune"
WEIGHTS=src/engine/master

games() { # games SIZE COUNT DEPTH SEED OUT [EVAL]
    "$TUNE" games --size "$1" --games "$2" --depth "$3" --seed "$4" --eval "${6:-classic}" \
        --out "$5"
}
results_only() { cut -d' ' -f1-5 "$1" >"$2"; }

cmake --build "$BUILD" --target corvana-tune -j "$(nproc)" >/dev/null
games 8 40000 5 21 "$WORK/scored8.txt" &
games 10 10000 4 22 "$WORK/scored10.txt" &
wait
games 8 19852 5 11 "$WORK/played8.txt" &
games 10 7851 4 12 "$WORK/played10.txt" &
wait
results_only "$WORK/played8.txt" "$WORK/results8.txt"
results_only "$WORK/played10.txt" "$WORK/results10.txt"
# The held-out tenth is the end of the last file.
"$TUNE" fit-patterns --size 8 --epochs 12 --lambda 0.5 --phase-share 2 \
    --out "$WEIGHTS/PatternWeights8.bin" "$WORK/scored8.txt" "$WORK/results8.txt"
"$TUNE" fit-patterns --size 10 --epochs 10 --lambda 0.5 --phase-share 2 \
    --out "$WEIGHTS/PatternWeights10.bin" "$WORK/scored10.txt" "$WORK/results10.txt"
# The second round plays with the first round's tables compiled in.
cmake --build "$BUILD" --target corvana-tune -j "$(nproc)" >/dev/null
games 8 20000 6 31 "$WORK/second8a.txt" patterns &
games 8 15000 6 32 "$WORK/second8b.txt" patterns &
wait
"$TUNE" fit-patterns --size 8 --epochs 12 --lambda 0.5 --phase-share 2 \
    --out "$WEIGHTS/PatternWeights8.bin" "$WORK/second8a.txt" "$WORK/second8b.txt" \
    "$WORK/results8.txt"
# The third round plays with the second round's tables.
cmake --build "$BUILD" --target corvana-tune -j "$(nproc)" >/dev/null
games 8 20000 6 41 "$WORK/third8a.txt" patterns &
games 8 10000 6 42 "$WORK/third8b.txt" patterns &
wait
games 8 10000 6 43 "$WORK/third8c.txt" patterns
"$TUNE" fit-patterns --size 8 --epochs 12 --lambda 0.5 --phase-share 2 \
    --out "$WEIGHTS/PatternWeights8.bin" "$WORK/third8a.txt" "$WORK/third8b.txt" \
    "$WORK/third8c.txt"
echo "retrain-patterns: new tables in $WEIGHTS/PatternWeights8.bin and PatternWeights10.bin"
