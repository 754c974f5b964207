// Builds the two routine tables from the size templates of the rules, evaluation and search.
#include "RoutineTable.h"

#include "Evaluation.h"
#include "MoveRules.h"
#include "Search.h"

namespace {

template <int N> constexpr RoutineTable MakeTable()
{
    return RoutineTable {
        &InitPositionT<N>,
        &IsLegalMoveT<N>,
        &MakeMoveT<N>,
        &EvalFinalT<N>,
        &EvalPositionT<N>,
        &SearchT<N>,
    };
}

constexpr RoutineTable Table8 = MakeTable<8>();
constexpr RoutineTable Table10 = MakeTable<10>();

} // namespace

RoutineTable Routines = Table8;

void SelectRoutines() { Routines = RoutinesFor(BoardSize); }

const RoutineTable& RoutinesFor(int size) { return size == 8 ? Table8 : Table10; }
