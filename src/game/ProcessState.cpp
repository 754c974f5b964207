// The reset of every process-wide value, for tests.
#include "ProcessState.h"

#include "AboutWindow.h"
#include "BoardArt.h"
#include "BoardGraphics.h"
#include "BoardTracker.h"
#include "BoardView.h"
#include "EngineState.h"
#include "Evaluation.h"
#include "NetState.h"
#include "ProfileFile.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchThread.h"
#include "Settings.h"
#include "Sound.h"
#include "SpriteStore.h"
#include "master/MasterEngine.h"

void ResetProcessState()
{
    ResetEngineState();
    master::IterationHook = nullptr;
    master::SelectEngine(EngineKind::Normal);
    AnimationFrameHook = nullptr;
    ProfileLockBusyHook = nullptr;

    // Every setting, from the one table of defaults.
    ApplyStoredSettings(StoredSettings {});
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
    ForgetBoardArtMasters();

    StopSound();
    SetSoundOutputFactory({});
    RewindAboutText();
}
