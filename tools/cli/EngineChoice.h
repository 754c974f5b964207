// The engines corvana-cli can pit against each other, by name, and one move of any of them on a
// position given as a board and a side, without the search thread.
#pragma once

#include <memory>
#include <string>

#include "Board.h"
#include "EngineKind.h"
#include "master/MasterEngine.h"

// "normal", "advanced" or "master"; throws UsageError naming the option otherwise.
EngineKind EngineFromName(const std::string& option, const std::string& name);
const char* EngineName(EngineKind kind);
// "patterns" (the master engine's own) or "classic" (its evaluation before the pattern tables);
// throws UsageError naming the option otherwise.
master::Evaluation EvaluationFromName(const std::string& option, const std::string& name);
const char* EvaluationName(master::Evaluation eval);

// One player of a game: an engine at a level. A master player owns its engine (and table).
class EnginePlayer {
public:
    EnginePlayer(EngineKind kind, int level, int threads,
        master::Evaluation eval = master::Evaluation::Patterns);
    // Forgets what the last game taught it (the master engine's table).
    void NewGame();
    // The chosen square for side on board (PassMove when side has no legal square).
    int Choose(const Board& board, int size, int side);

    EngineKind Kind;
    int Level;
    master::Evaluation Eval; // of a master player
    int Depth = 0; // of a master player: a fixed depth instead of the level's clock; 0: the clock
    master::SearchReport LastReport; // of a master player's last move
    std::uint64_t LastNodes = 0; // of the last move

private:
    std::unique_ptr<master::Engine> Master;
};
