// The settings' defaults and their file.
#include "Settings.h"

#include <cstdio>
#include <cstdlib>

#include "Board.h"
#include "Evaluation.h"
#include "ProfileFile.h"
#include "Search.h"
#include "SearchThread.h"
#include "Sound.h"
#include "master/MasterEngine.h"

int FigureSet = 0;
bool AnimationOn = true;
bool UseTray = true;
bool ShowPreviousMove = true;
bool ShowAvailableMoves = true;
bool CallAsYellow = true;
bool CallOnEight = true;
int NetPort = 8173;
std::string NetService;
std::string SettingsFile = DefaultSettingsFile();
bool SettingsFileKept = false;
ExtraSettings Extras;

constexpr int DefaultNetPort = 8173;

std::string DefaultSettingsFile()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string base = xdg && *xdg == '/' ? std::string(xdg)
        : home && *home                         ? std::string(home).append("/.config")
                                                : std::string(".");
    return std::string(base).append("/corvana/reversi.ini");
}

GameSettings CurrentSettings()
{
    GameSettings s;
    s.OpponentIsComputer = OpponentIsComputer;
    s.ComputerSide = ComputerSide;
    s.Level = Level;
    s.BoardSize = BoardSize;
    s.FigureSet = FigureSet;
    s.SoundOn = SoundOn;
    s.AnimationOn = AnimationOn;
    s.UseTray = UseTray;
    s.ShowPreviousMove = ShowPreviousMove;
    s.ShowAvailableMoves = ShowAvailableMoves;
    s.Engine = SearchEngine == EngineKind::Master ? EngineKind::Master
        : AdvancedEngine                          ? EngineKind::Advanced
                                                  : EngineKind::Normal;
    s.Extra = Extras;
    return s;
}

const char* AnimationSpeedName(int frameMs)
{
    return frameMs > 55 ? "slow" : frameMs < 55 ? "fast" : "normal";
}

namespace {

int AnimationFrameMsFromName(const std::string& name)
{
    return name == "slow" ? 110 : name == "fast" ? 25 : 55;
}

std::string StateFolder()
{
    const char* xdg = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    return xdg && *xdg == '/' ? std::string(xdg)
        : home && *home       ? std::string(home).append("/.local/state")
                              : std::string(".");
}

} // namespace

std::string ResumeFile() { return StateFolder() + "/corvana/last.kpx"; }

const char* FigureSetStoredName(int figureSet)
{
    static const char* const Names[] = { "classic", "fire", "bugs" };
    return Names[figureSet >= 0 && figureSet < 3 ? figureSet : 0];
}

int FigureSetFromStoredName(const std::string& name)
{
    if (name == "fire")
        return 1;
    if (name == "bugs")
        return 2;
    return 0;
}

void LoadSettings()
{
    const TProfileFile f = TProfileFile::Load(SettingsFile);
    SettingsFileKept = !f.Complete();
    if (SettingsFileKept)
        std::fprintf(stderr,
            "corvana: %s could not be read completely (%s); playing with what could be read, "
            "and it will not be rewritten\n",
            SettingsFile.c_str(), f.ReadProblem()->Message.c_str());
    NetPort = f.GetInt("net", "port", DefaultNetPort);
    if (NetPort < 1 || NetPort > 65535)
        NetPort = DefaultNetPort; // no other port can be listened on
    NetService = f.GetString("net", "service", "", 254);

    auto option = [&f](const char* key, const char* fallback) {
        return f.GetString("options", key, fallback);
    };
    OpponentIsComputer = option("gamet", "computer") == "computer";
    Level = f.GetInt("options", "level", 1);
    if (Level < 1 || Level > 9)
        Level = 1;
    ComputerSide = option("youpl", "white") == "white" ? SideGreen : SideYellow;
    SoundOn = option("sndef", "yes") == "yes";
    AnimationOn = option("anief", "yes") == "yes";
    FigureSet = FigureSetFromStoredName(option("tfigs", "classic"));
    BoardSize = f.GetInt("options", "brdim", 8);
    if (BoardSize != 8 && BoardSize != 10)
        BoardSize = 8;
    UseTray = option("usetr", "yes") == "yes";
    CallAsYellow = option("callw", "yes") == "yes";
    CallOnEight = option("call8", "yes") == "yes";
    ShowPreviousMove = option("prevm", "show") == "show";
    ShowAvailableMoves = option("avmov", "show") == "show";
    master::SelectEngine(EngineKindFromSetting(option("engit", "norm")));

    auto extra = [&f](const char* key, const char* fallback) {
        return f.GetString("extras", key, fallback, 1024);
    };
    Extras = ExtraSettings {};
    Extras.ShowMoveList = extra("movelist", "hide") == "show";
    Extras.MarkLastMove = extra("lastmove", "hide") == "show";
    Extras.MarkLegalMoves = extra("legalmoves", "hide") == "show";
    Extras.AnimationFrameMs = AnimationFrameMsFromName(extra("animspeed", "normal"));
    Extras.ResumeLastGame = extra("resume", "yes") == "yes";
    Extras.LastFolder = extra("folder", "");
    char tail = 0;
    if (int w = 0, h = 0; std::sscanf(extra("window", "").c_str(), "%dx%d%c", &w, &h, &tail) == 2
        && w >= 100 && h >= 100 && w <= 16384 && h <= 16384)
        Extras.WindowWidth = w, Extras.WindowHeight = h;
    Extras.Maximized = extra("maximized", "no") == "yes";
    Extras.FullScreen = extra("fullscreen", "no") == "yes";
}

Status WriteExtraSettings()
{
    if (Extras == ExtraSettings {} && !TProfileFile::Load(SettingsFile).HasSection("extras"))
        return {};
    return WriteSettingsSection("extras",
        {
            { "movelist", Extras.ShowMoveList ? "show" : "hide" },
            { "lastmove", Extras.MarkLastMove ? "show" : "hide" },
            { "legalmoves", Extras.MarkLegalMoves ? "show" : "hide" },
            { "animspeed", AnimationSpeedName(Extras.AnimationFrameMs) },
            { "resume", Extras.ResumeLastGame ? "yes" : "no" },
            { "folder", Extras.LastFolder },
            { "window",
                Extras.WindowWidth > 0
                    ? std::to_string(Extras.WindowWidth) + "x" + std::to_string(Extras.WindowHeight)
                    : "" },
            { "maximized", Extras.Maximized ? "yes" : "no" },
            { "fullscreen", Extras.FullScreen ? "yes" : "no" },
        });
}

Status WriteSettingsSection(
    const std::string& section, const std::vector<std::pair<std::string, std::string>>& values)
{
    if (SettingsFileKept)
        return {};
    return WriteProfileStrings(SettingsFile, section, values);
}

Status WriteNetSettings()
{
    return WriteSettingsSection(
        "net", { { "service", NetService }, { "port", std::to_string(NetPort) } });
}

Status WriteCallSettings()
{
    return WriteSettingsSection("options",
        { { "call8", CallOnEight ? "yes" : "no" }, { "callw", CallAsYellow ? "yes" : "no" } });
}
