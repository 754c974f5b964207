// Every piece of process-wide state, in one list: where it lives, which thread owns it and who
// writes it. The design keeps the game's state process-wide (the board stack, the side to move,
// the settings); each layer defines its own globals in its own header, and this header is the
// map of all of them, with a reset for tests that need a fresh process without starting one.
//
// Threads: the main thread (the window, the game session, the sockets) owns everything below.
// Two workers exist:
//  - the search thread (SearchThread.h) reads BoardStack[0], SideToMove, Level, AdvancedEngine,
//    SearchEngine, BoardSize and Routines, and writes BoardStack[1..], BestMoves and SearchNodes.
//    The main thread hands these over for the length of one search: it writes none of them while
//    SearchRunning is set (every change of the game cancels and joins the search first, see
//    GameSession), and reads the results only after SearchRunning reads false (release/acquire).
//  - the disc sheet loader (MainWindow's ReloadBoardGraphics) is given the figure set and the size
//    by value and returns the pixels by value; the main thread installs them.
//  - the board art's worker (BoardGraphics) and the threads it and the main thread spread work
//    over share only the art's masters (BoardArt.cpp, under its two locks), are given the layout
//    by value and hand the pictures back by value through a queued call; the main thread alone
//    installs them, and asks for another figure set only after it has stopped the worker.
// The audio thread (Sound.cpp) is given each sound's bytes by value.
//
// clang-format off
// | global                                   | header          | written by                              |
// |------------------------------------------|-----------------|-----------------------------------------|
// | BoardStack, BoardSize, SideToMove,       | Board.h         | game session (moves, new game, open),   |
// | GameOver, ComputerSide,                  |                 | settings dialog (players, size),        |
// | OpponentIsComputer, NetworkGame          |                 | network session (agreed game)           |
// | Routines                                 | RoutineTable.h  | SelectRoutines, when BoardSize changes  |
// | Level, AdvancedEngine                    | Search.h,       | settings (file, dialog)                 |
// |                                          | Evaluation.h    |                                         |
// | BestMoves, SearchNodes                   | Search.h        | the search thread                       |
// | SearchRunning, SearchThread              | SearchThread.h  | StartSearch / the search thread's end   |
// | SearchEngine, MasterSearchRoutine        | SearchThread.h  | master::SelectEngine (settings)         |
// | the master engine's table, last report   | master/         | the search thread (the table is cleared |
// | and last position's size and discs       | MasterEngine.h  | by it on a new size or fewer discs)     |
// | SearchCancelRequest (one per thread)     | Search.h        | the search thread, for its own search   |
// | the invariant handler                    | Invariant.h     | tests only (counting), while none runs  |
// | GameRecord                               | BoardTracker.h  | game session                            |
// | FigureSet, AnimationOn, UseTray,         | Settings.h      | settings (file, dialog), Extras also    |
// | ShowPreviousMove, ShowAvailableMoves,    |                 | the window (move list shown, folder)    |
// | CallAsYellow, CallOnEight, NetPort,      |                 |                                         |
// | NetService, Extras, SettingsFile,        |                 |                                         |
// | SettingsFileKept, LoadedSettings,        |                 | LoadSettings, the write-back at exit    |
// | ExitSettingsDone                         |                 |                                         |
// | SoundOn                                  | Sound.h         | settings                                |
// | NetLocalGreen, NetSize10, NetConnected,  | NetState.h      | network session                         |
// | RemoteMoveCol/Row/Pending, CallerName,   |                 |                                         |
// | CallerColourText, CallerSizeText         |                 |                                         |
// | VerticalBorder, HorizontalBorder,        | SpriteStore.h   | the window (graphics loaded), board     |
// | DiscSheet, BackBuffer, SourceHeader,     |                 | drawing (BackBuffer)                    |
// | ScaledHorizontalBorder,                  |                 |                                         |
// | ScaledVerticalBorder                     |                 |                                         |
// | the board art's masters, and the count   | BoardArt.h      | MakeBoardArt, from any thread (locked); |
// | of masters painted                       |                 | the count only grows                    |
// | the held sound, the audio thread, the    | Sound.h         | PlaySoundResource / StopSound (main),   |
// | sound output factory                     |                 | the factory by tests                    |
// | the About window's scroll position       | AboutWindow.h   | each About window as it closes          |
// | the program's and Qt's translators       | Program.h       | InstallTranslations, RemoveTranslations |
// | test hooks: SearchStartHook,             | SearchThread.h, | tests only, while nothing runs          |
// | AnimationFrameHook, NetHandshakeTimeoutMs| BoardView.h,    |                                         |
// | master::IterationHook,                   | NetState.h, ... |                                         |
// | BoardGraphics::WorkerHook,               |                 |                                         |
// | ProfileLockBusyHook                      |                 |                                         |
// clang-format on
#pragma once

// Tests only: every global above back to the value the program starts with (the graphics
// emptied, no search thread, no sound, the settings at their defaults), as if the process had just
// started; the translators are left as they are (a test installs what it needs, and
// RemoveTranslations takes them out), and so is the count of masters painted. Call it while no
// window exists; a search still running is stopped. Every test program of the window and the
// session calls it before each test.
void ResetProcessState();
