// The review of a written game, for the coach and corvana-cli review: every move the game's
// sides played, valued against the best move of the position before it, with the losses that
// make it a mistake or a blunder and a summary per side. Qt-free.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "Notation.h"
#include "master/MasterEngine.h"
#include "master/MoveAnalysis.h"

namespace master {

// Losses from which a move is a mistake and a blunder, in centidiscs.
constexpr int MistakeLoss = 400;
constexpr int BlunderLoss = 1000;

struct ReviewLimits {
    double SecondsPerMove = 0.5; // each position not solved exactly
    // Positions with this many empties or fewer are solved exactly (without a clock); -1: 20 on
    // 8 × 8, 16 on 10 × 10; 0: never.
    int ExactFromEmpties = -1;
    int Threads = 0; // 0: the engine's setting
};

enum class Verdict { Fine, Mistake, Blunder };

// One move of the game as the review sees it. Values are final disc differences for the side
// that moved, centidiscs (exact discs × 100 where Exact).
struct ReviewedMove {
    int Number = 0; // 1 for the record's first move; passes are not moves and are left out
    int Side = SideYellow;
    int Square = PassMove;
    int Empties = 0; // before the move
    int Value = 0;
    bool Exact = false;
    int BestSquare = PassMove;
    int BestValue = 0;
    bool BestExact = false;
    int Loss = 0; // BestValue - Value, never below 0
    Verdict Judged = Verdict::Fine;
};

struct SideSummary {
    int Moves = 0;
    int Mistakes = 0; // blunders not counted here
    int Blunders = 0;
    long long TotalLoss = 0; // centidiscs
    double AverageLoss() const { return Moves ? double(TotalLoss) / Moves / 100.0 : 0.0; }
};

struct GameReview {
    int Size = 8;
    std::vector<ReviewedMove> Moves; // in the order played, as far as the review got
    SideSummary Yellow, Green;
    bool Cancelled = false;
};

// Called after each reviewed move with how many of the record's moves are done.
using ReviewProgress = std::function<void(int done, int total, const ReviewedMove& move)>;

// Reviews every move of game from its start, the positions before them one after the other on
// engine (its table is kept between them). A cancelled review holds the moves done so far.
GameReview ReviewGame(Engine& engine, const WrittenGame& game, const ReviewLimits& limits = {},
    const std::atomic<bool>* cancel = nullptr, const ReviewProgress& progress = {});

// The verdict of a loss.
Verdict VerdictOf(int loss);

// A value as the review writes it, discs for the side: "+3.25", "-0.50", exact as "+4 exact"
// (or "+4" when marked is false).
std::string ReviewValueText(int value, bool exact, bool marked = true);

// A move's loss in discs, without a sign: "3.45", whole ("8") when both values are exact.
std::string ReviewLossText(const ReviewedMove& move);

// A move's line: "move 12: Yellow C4 -2.35, best D3 +1.10, loses 3.45 (mistake)".
std::string ReviewLine(const ReviewedMove& move, int size);

// A side's summary: "Yellow: 30 moves, 2 mistakes, 1 blunder, average loss 1.23".
std::string SummaryLine(int side, const SideSummary& summary);

// The comments for the game's GGF text, one per record entry (empty where not reviewed):
// "-2.35, best D3 +1.10, loses 3.45 (mistake)".
std::vector<std::string> ReviewComments(const GameReview& review, const WrittenGame& game);

} // namespace master
