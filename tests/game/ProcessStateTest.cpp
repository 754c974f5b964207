// The reset of the process-wide state: after a game has changed everything a test can reach, the
// reset brings back exactly what a new process starts with. Runs in its own process so the first
// look at the globals is the program's own start.
#include <gtest/gtest.h>

#include "BoardTracker.h"
#include "Evaluation.h"
#include "GameFlow.h"
#include "NetState.h"
#include "ProcessState.h"
#include "ProfileFile.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchThread.h"
#include "Settings.h"
#include "Sound.h"
#include "SpriteStore.h"

namespace {

struct Snapshot {
    std::array<Board, BoardStackDepth> Boards;
    int Side, Timeout;
    EngineKind Engine;
    bool Over, Network, Advanced, Connected, Pending;
    std::string File, Caller;
    StoredSettings Stored; // every setting the file holds, as the table of rows reads them
    bool RoutinesOfEight;
    std::size_t BackBufferPixels;

    static Snapshot Take()
    {
        Snapshot s;
        std::copy(std::begin(BoardStack), std::end(BoardStack), s.Boards.begin());
        s.Side = SideToMove;
        s.Timeout = NetHandshakeTimeoutMs;
        s.Over = GameOver;
        s.Network = NetworkGame;
        s.Advanced = AdvancedEngine;
        s.Engine = SearchEngine;
        s.Connected = NetConnected;
        s.Pending = RemoteMovePending;
        s.File = SettingsFile;
        s.Caller = CallerName;
        s.Stored = CurrentStoredSettings();
        s.RoutinesOfEight = Routines.MakeMove == RoutinesFor(8).MakeMove;
        s.BackBufferPixels = BackBuffer.Pixels.size();
        return s;
    }
    bool operator==(const Snapshot&) const = default;
};

} // namespace

TEST(ProcessState, TheResetGivesBackWhatTheProcessStartedWith)
{
    const Snapshot start = Snapshot::Take();

    // A 10 x 10 network game in the middle, with a search that has run, and settings changed.
    BoardSize = 10;
    SelectRoutines();
    NewGame();
    Level = 3;
    AdvancedEngine = true;
    SearchEngine = EngineKind::Master;
    StartSearch();
    SearchThread->WaitFor();
    ComputerSide = SideYellow;
    OpponentIsComputer = false;
    NetworkGame = NetConnected = RemoteMovePending = true;
    FigureSet = 2;
    NetPort = 1;
    NetHandshakeTimeoutMs = 5;
    AnimationOn = UseTray = SoundOn = false;
    SettingsFile = "/elsewhere/reversi.ini";
    CallerName = "peer";
    Extras.ShowMoveList = true;
    CallOnEight = false;
    NetService = "reversi";
    BackBuffer = PixelBlock { std::vector<std::uint32_t>(16), 4, 4 };
    ASSERT_FALSE(Snapshot::Take() == start);

    ResetProcessState();
    EXPECT_TRUE(Snapshot::Take() == start);
    EXPECT_EQ(SearchThread, nullptr);
    EXPECT_FALSE(SearchRunning.load());
    EXPECT_EQ(GameRecord->Count, 0);
}

// Every setting starts at its default: what the rows read from an empty file.
TEST(ProcessState, TheSettingsStartAtTheDefaultsOfTheirRows)
{
    ResetProcessState();
    EXPECT_EQ(CurrentStoredSettings(),
        ReadStoredSettings(TProfileFile::Load("/nonexistent/reversi.ini")));
}
