// The master engine: iterative deepening principal-variation search with a transposition table,
// an exact endgame solver and a time budget per move, on one or more threads. Qt-free; the window
// reaches it through the search thread (SelectEngine), corvana-cli and the tests call it directly.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Board.h"
#include "EngineKind.h"

namespace master {

// How a game that ends before the board is full is scored.
enum class Scoring {
    Discs, // the discs alone, as the game's result counts them
    EmptiesToWinner, // the empty squares count for the winner, as published endgame problems do
};

// What one search may spend and do.
// What scores the midgame's leaves: the fitted pattern tables, or the evaluation before them.
enum class Evaluation { Patterns, Classic };

struct SearchLimits {
    double Seconds = 0; // time budget for the move; 0: no clock, only Depth limits the search
    int Depth = 0; // the deepest midgame iteration; 0: no limit but the clock
    int SolveEmpties = -1; // solve exactly from this many empties down; -1: default, 0: never
    int Threads = 0; // search threads; 0: the engine's setting
    // Stops the search, as the clock would, once its first thread has searched this many nodes;
    // 0: no limit. With one thread and no clock a limited search repeats itself exactly.
    std::uint64_t MaxNodes = 0;
    Scoring Rule = Scoring::Discs; // of the exact solver and of finished games in the search
    Evaluation Eval = Evaluation::Patterns;
};

// The time budget of a level, 1 to 9: 0.05 s at level 1 growing evenly in ratio to 5 s at level 9.
double LevelSeconds(int level);
// The limits of a level on a board size: its budget, and how many empties the solver takes on.
SearchLimits LevelLimits(int level, int size);

enum class Solved { No, WinLossDraw, Exact };

struct SearchReport {
    int Move = PassMove; // square index, or PassMove when the side to move has no legal square
    int Score = 0; // for the side to move: centidiscs, or exact discs × 100 once solved
    int Depth = 0; // the deepest midgame iteration completed
    Solved Solution = Solved::No;
    std::uint64_t Nodes = 0; // over all threads
    double Seconds = 0;
    bool Cancelled = false; // the caller's cancel flag stopped it; Move is then not to be used
};

// What one exact solution may spend.
struct SolveLimits {
    int Threads = 0; // 0: the engine's setting
    std::uint64_t MaxNodes = 0; // all nodes of the solution; 0: no limit
    Scoring Rule = Scoring::Discs;
};

// The exact result of a position and a line that keeps it.
struct SolveReport {
    bool Complete = false; // false when cancelled or out of nodes
    int Score = 0; // final disc difference for the side to move with best play from both
    std::vector<int> Line; // squares of best play, PassMove where a side must pass
    std::uint64_t Nodes = 0;
    double Seconds = 0;
};

class Engine {
public:
    explicit Engine(int tableMebibytes = 64, int threads = DefaultThreads());
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Both cores when there are two (or more): the threads share the table.
    static int DefaultThreads();

    // Forgets every position: call for each new game (and before runs that must repeat).
    void NewGame();
    void SetTableSize(int mebibytes); // also clears it
    void SetThreads(int threads);
    int Threads() const;

    // The best move for side on board (of size 8 or 10). The cancel flag, when given, is polled
    // every thousand nodes or so; once set the search ends at once with Cancelled.
    SearchReport Search(const Board& board, int size, int side, const SearchLimits& limits,
        const std::atomic<bool>* cancel = nullptr);

    // The exact result for side to move on board, and a best line. Solving takes time
    // exponential in the empties: keep them few (about 24 or less on 8 x 8).
    SolveReport Solve(const Board& board, int size, int side,
        const std::atomic<bool>* cancel = nullptr, const SolveLimits& limits = {});

    // The evaluation of the position for side, in centidiscs (what the search sees at its leaves).
    static int Evaluate(const Board& board, int size, int side);

private:
    struct Impl;
    std::unique_ptr<Impl> P;
};

// --- the window's engine -----------------------------------------------------------------------

// Chooses the engine of the search thread (StartSearch): sets SearchEngine and AdvancedEngine,
// and for Master installs SharedEngine as the thread's routine. Call after reading the settings
// and whenever the engine setting changes.
void SelectEngine(EngineKind kind);

// The engine the search thread runs: one table for the life of the program. The thread searches
// SideToMove on board 0 with LevelLimits(Level, BoardSize) and puts the move in BestMoves[0].
Engine& SharedEngine();

// Clears SharedEngine's table: for a new game or an opened one. The thread also clears it by
// itself when the board size changes or the position has fewer discs than the last one searched.
// Only while no search runs.
void MasterNewGame();

// Tests only: runs on the searching thread after each midgame iteration of a search's main thread,
// given the depth and the caller's cancel flag (null without one), so that a test can hold a search
// in the middle of its work until it is cancelled. Set it only while no search runs.
extern std::function<void(int depth, const std::atomic<bool>* cancel)> IterationHook;

// What the last search of the thread found (for a status line or a log).
SearchReport LastThreadReport();

} // namespace master
