// Engine names of corvana-cli and one move of a chosen engine.
#include "EngineChoice.h"

#include "CliArgs.h"
#include "Evaluation.h"
#include "RoutineTable.h"
#include "Search.h"

EngineKind EngineFromName(const std::string& option, const std::string& name)
{
    if (name == "normal")
        return EngineKind::Normal;
    if (name == "advanced")
        return EngineKind::Advanced;
    if (name == "master")
        return EngineKind::Master;
    throw UsageError(option + " must be normal, advanced or master");
}

const char* EngineName(EngineKind kind)
{
    switch (kind) {
    case EngineKind::Advanced:
        return "advanced";
    case EngineKind::Master:
        return "master";
    case EngineKind::Normal:
        break;
    }
    return "normal";
}

master::Evaluation EvaluationFromName(const std::string& option, const std::string& name)
{
    if (name == "patterns")
        return master::Evaluation::Patterns;
    if (name == "classic")
        return master::Evaluation::Classic;
    throw UsageError(option + " must be patterns or classic");
}

const char* EvaluationName(master::Evaluation eval)
{
    return eval == master::Evaluation::Classic ? "classic" : "patterns";
}

EnginePlayer::EnginePlayer(EngineKind kind, int level, int threads, master::Evaluation eval)
    : Kind(kind)
    , Level(level)
    , Eval(eval)
{
    if (kind == EngineKind::Master)
        Master = std::make_unique<master::Engine>(64, threads);
}

void EnginePlayer::NewGame()
{
    if (Master)
        Master->NewGame();
}

int EnginePlayer::Choose(const Board& board, int size, int side)
{
    if (Master) {
        master::SearchLimits limits = master::LevelLimits(Level, size);
        limits.Eval = Eval;
        if (Depth) {
            limits.Seconds = 0;
            limits.Depth = Depth;
        }
        LastReport = Master->Search(board, size, side, limits);
        LastNodes = LastReport.Nodes;
        return LastReport.Move;
    }
    // The fixed-depth search reads its position from board 0 and the shared game state.
    BoardSize = size;
    SelectRoutines();
    BoardStack[0] = board;
    SideToMove = side;
    ::Level = Level;
    AdvancedEngine = Kind == EngineKind::Advanced;
    const std::uint64_t before = SearchNodes;
    const int move = SearchBestMove();
    LastNodes = SearchNodes - before;
    return move;
}
