// The engine's process-wide state back to what a new process starts with: the board stack and the
// shared game state, the routine table, the search's settings, results and thread, the game
// record and the invariant handler. For tests, which run many games in one process; the map of
// every process-wide value is src/game/ProcessState.h.
#pragma once

// Call it while no search runs, or with one that may be stopped: it is cancelled and joined.
void ResetEngineState();
