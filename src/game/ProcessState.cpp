// The reset of every process-wide value, for tests.
#include "ProcessState.h"

#include "BoardGraphics.h"
#include "BoardTracker.h"
#include "BoardView.h"
#include "Evaluation.h"
#include "NetState.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchThread.h"
#include "Settings.h"
#include "Sound.h"
#include "SpriteStore.h"
#include "master/MasterEngine.h"

void ResetProcessState()
{
    SearchThread.reset();
    SearchRunning.store(false);
    SearchStartHook = nullptr;
    master::IterationHook = nullptr;
    AnimationFrameHook = nullptr;

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
    master::SelectEngine(EngineKind::Normal);
    for (int& m : BestMoves)
        m = 0;
    SearchNodes = 0;
    ResetGameRecord();

    FigureSet = 0;
    AnimationOn = true;
    UseTray = true;
    ShowPreviousMove = true;
    ShowAvailableMoves = true;
    CallAsYellow = true;
    CallOnEight = true;
    NetPort = 8173;
    NetService.clear();
    Extras = ExtraSettings {};
    SettingsFile = DefaultSettingsFile();
    SettingsFileKept = false;
    LoadedSettings = StoredSettings {};
    ExitSettingsDone = false;
    SoundOn = true;

    NetLocalGreen = false;
    NetSize10 = false;
    RemoteMoveCol = 0;
    RemoteMoveRow = 0;
    RemoteMovePending = false;
    NetConnected = false;
    CallerName = "NO_NAME";
    CallerColourText = "???";
    CallerSizeText = "???";
    NetHandshakeTimeoutMs = 10000;

    VerticalBorder = PixelBlock {};
    HorizontalBorder = PixelBlock {};
    DiscSheet = PixelBlock {};
    BackBuffer = PixelBlock {};
    ScaledHorizontalBorder = PixelBlock {};
    ScaledVerticalBorder = PixelBlock {};
    SourceHeader = SourceSize {};
    BoardGraphics::WorkerHook = nullptr;
}
