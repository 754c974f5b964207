// The reset of the engine's process-wide state.
#include "EngineState.h"

#include "Board.h"
#include "BoardTracker.h"
#include "Evaluation.h"
#include "Invariant.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchThread.h"

void ResetEngineState()
{
    CancelSearch();
    SearchThread.reset();
    SearchRunning.store(false);
    SearchStartHook = nullptr;

    for (Board& b : BoardStack)
        b = Board {};
    BoardSize = 8;
    SideToMove = SideYellow;
    GameOver = false;
    ComputerSide = SideGreen;
    OpponentIsComputer = true;
    NetworkGame = false;
    SelectRoutines();
    Level = 1;
    AdvancedEngine = false;
    SearchEngine = EngineKind::Normal;
    MasterSearchRoutine = nullptr;
    for (int& m : BestMoves)
        m = 0;
    SearchNodes = 0;
    ResetGameRecord();
    SetInvariantHandler(nullptr);
}
