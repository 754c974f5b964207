// The settings' defaults and their file.
#include "Settings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "Board.h"
#include "Evaluation.h"
#include "ProfileFile.h"
#include "SafeFile.h"
#include "Search.h"
#include "SearchThread.h"
#include "Sound.h"
#include "master/MasterEngine.h"

// Every setting starts at its default, which StoredSettings gives once.
int FigureSet = StoredSettings {}.Game.FigureSet;
bool AnimationOn = StoredSettings {}.Game.AnimationOn;
bool UseTray = StoredSettings {}.Game.UseTray;
bool ShowPreviousMove = StoredSettings {}.Game.ShowPreviousMove;
bool ShowAvailableMoves = StoredSettings {}.Game.ShowAvailableMoves;
bool CallAsYellow = StoredSettings {}.CallAsYellow;
bool CallOnEight = StoredSettings {}.CallOnEight;
int NetPort = StoredSettings {}.NetPort;
std::string NetService = StoredSettings {}.NetService;
std::string SettingsFile = DefaultSettingsFile();
bool SettingsFileKept = false;
ExtraSettings Extras;

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

namespace {

// A whole number as the profile functions read one: leading blanks, an optional sign, digits;
// anything after them is ignored, no digits give 0, a huge number saturates.
int ProfileNumber(const std::string& value)
{
    std::size_t p = 0;
    while (p < value.size() && (value[p] == ' ' || value[p] == '\t'))
        ++p;
    bool negative = false;
    if (p < value.size() && (value[p] == '-' || value[p] == '+'))
        negative = value[p++] == '-';
    long long n = 0;
    for (; p < value.size() && value[p] >= '0' && value[p] <= '9'; ++p)
        n = std::min(n * 10 + (value[p] - '0'), 2147483647LL);
    return int(negative ? -n : n);
}

const char* YesNo(bool on) { return on ? "yes" : "no"; }
const char* ShowHide(bool on) { return on ? "show" : "hide"; }
// What a fresh program starts with: a key missing from the file, or a value out of range, is
// this.
const StoredSettings Defaults {};

constexpr std::size_t OptionLength = 39; // the original's buffer
constexpr std::size_t WholeNumber = std::size_t(-1); // numbers are read whole
constexpr std::size_t ServiceLength = 254;
constexpr std::size_t ExtraLength = 1024;

// The file's keys, in the order a fresh file gets them.
const SettingRow Rows[] = {
    { "net", "service", ServiceLength, false,
        [](const std::string& raw, StoredSettings& s) { s.NetService = raw; },
        [](const StoredSettings& s) { return s.NetService; } },
    { "net", "port", WholeNumber, false,
        [](const std::string& raw, StoredSettings& s) {
            s.NetPort = ProfileNumber(raw);
            if (s.NetPort < 1 || s.NetPort > 65535)
                s.NetPort = Defaults.NetPort; // no other port can be listened on
        },
        [](const StoredSettings& s) { return std::to_string(s.NetPort); } },
    { "options", "gamet", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.OpponentIsComputer = raw == "computer";
        },
        [](const StoredSettings& s) {
            return std::string(s.Game.OpponentIsComputer ? "computer" : "human");
        } },
    { "options", "level", WholeNumber, false,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Level = ProfileNumber(raw);
            if (s.Game.Level < 1 || s.Game.Level > 9)
                s.Game.Level = Defaults.Game.Level;
        },
        [](const StoredSettings& s) { return std::to_string(s.Game.Level); } },
    { "options", "youpl", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.ComputerSide = raw == "white" ? SideGreen : SideYellow;
        },
        [](const StoredSettings& s) {
            return std::string(s.Game.ComputerSide == SideGreen ? "white" : "black");
        } },
    { "options", "sndef", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) { s.Game.SoundOn = raw == "yes"; },
        [](const StoredSettings& s) { return std::string(YesNo(s.Game.SoundOn)); } },
    { "options", "anief", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) { s.Game.AnimationOn = raw == "yes"; },
        [](const StoredSettings& s) { return std::string(YesNo(s.Game.AnimationOn)); } },
    { "options", "tfigs", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.FigureSet = FigureSetFromStoredName(raw);
        },
        [](const StoredSettings& s) {
            return std::string(FigureSetStoredName(s.Game.FigureSet));
        } },
    { "options", "brdim", WholeNumber, false,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.BoardSize = ProfileNumber(raw);
            if (s.Game.BoardSize != 8 && s.Game.BoardSize != 10)
                s.Game.BoardSize = Defaults.Game.BoardSize;
        },
        [](const StoredSettings& s) { return std::string(s.Game.BoardSize == 10 ? "10" : "8"); } },
    { "options", "usetr", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) { s.Game.UseTray = raw == "yes"; },
        [](const StoredSettings& s) { return std::string(YesNo(s.Game.UseTray)); } },
    { "options", "callw", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) { s.CallAsYellow = raw == "yes"; },
        [](const StoredSettings& s) { return std::string(YesNo(s.CallAsYellow)); } },
    { "options", "call8", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) { s.CallOnEight = raw == "yes"; },
        [](const StoredSettings& s) { return std::string(YesNo(s.CallOnEight)); } },
    { "options", "prevm", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) { s.Game.ShowPreviousMove = raw == "show"; },
        [](const StoredSettings& s) { return std::string(ShowHide(s.Game.ShowPreviousMove)); } },
    { "options", "avmov", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.ShowAvailableMoves = raw == "show";
        },
        [](const StoredSettings& s) { return std::string(ShowHide(s.Game.ShowAvailableMoves)); } },
    { "options", "engit", OptionLength, false,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Engine = EngineKindFromSetting(raw);
        },
        [](const StoredSettings& s) { return std::string(EngineSettingValue(s.Game.Engine)); } },
    { "extras", "movelist", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Extra.ShowMoveList = raw == "show";
        },
        [](const StoredSettings& s) { return std::string(ShowHide(s.Game.Extra.ShowMoveList)); } },
    { "extras", "lastmove", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Extra.MarkLastMove = raw == "show";
        },
        [](const StoredSettings& s) { return std::string(ShowHide(s.Game.Extra.MarkLastMove)); } },
    { "extras", "legalmoves", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Extra.MarkLegalMoves = raw == "show";
        },
        [](const StoredSettings& s) {
            return std::string(ShowHide(s.Game.Extra.MarkLegalMoves));
        } },
    { "extras", "animspeed", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Extra.AnimationFrameMs = AnimationFrameMsFromName(raw);
        },
        [](const StoredSettings& s) {
            return std::string(AnimationSpeedName(s.Game.Extra.AnimationFrameMs));
        } },
    { "extras", "resume", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Extra.ResumeLastGame = raw == "yes";
        },
        [](const StoredSettings& s) { return std::string(YesNo(s.Game.Extra.ResumeLastGame)); } },
    { "extras", "movevalues", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) {
            s.Game.Extra.ShowMoveValues = raw == "show";
        },
        [](const StoredSettings& s) {
            return std::string(ShowHide(s.Game.Extra.ShowMoveValues));
        } },
    { "extras", "folder", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) { s.Game.Extra.LastFolder = raw; },
        [](const StoredSettings& s) { return s.Game.Extra.LastFolder; } },
    { "extras", "window", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) {
            // Two whole numbers and nothing after them, of a size a screen can have.
            char tail = 0;
            if (int w = 0, h = 0; std::sscanf(raw.c_str(), "%dx%d%c", &w, &h, &tail) == 2
                && w >= 100 && h >= 100 && w <= 16384 && h <= 16384)
                s.Game.Extra.WindowWidth = w, s.Game.Extra.WindowHeight = h;
        },
        [](const StoredSettings& s) {
            const ExtraSettings& e = s.Game.Extra;
            return e.WindowWidth > 0
                ? std::to_string(e.WindowWidth) + "x" + std::to_string(e.WindowHeight)
                : std::string();
        } },
    { "extras", "maximized", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) { s.Game.Extra.Maximized = raw == "yes"; },
        [](const StoredSettings& s) { return std::string(YesNo(s.Game.Extra.Maximized)); } },
    { "extras", "fullscreen", ExtraLength, true,
        [](const std::string& raw, StoredSettings& s) { s.Game.Extra.FullScreen = raw == "yes"; },
        [](const StoredSettings& s) { return std::string(YesNo(s.Game.Extra.FullScreen)); } },
};

std::optional<std::string> RawValue(const TProfileFile& file, const SettingRow& row)
{
    std::optional<std::string> raw = file.Raw(row.Section, row.Key);
    if (raw && raw->size() > row.MaxLength)
        raw->resize(row.MaxLength);
    return raw;
}

// The text of row as the reader would take raw (the default's when missing): what normalising
// it writes.
std::string AsRead(const SettingRow& row, const std::optional<std::string>& raw)
{
    StoredSettings s;
    if (raw)
        row.Read(*raw, s);
    return row.Text(s);
}

} // namespace

std::span<const SettingRow> SettingRows() { return Rows; }

StoredSettings ReadStoredSettings(const TProfileFile& file)
{
    StoredSettings s;
    for (const SettingRow& row : Rows)
        if (const std::optional<std::string> raw = RawValue(file, row))
            row.Read(*raw, s);
    return s;
}

StoredSettings CurrentStoredSettings()
{
    StoredSettings s;
    s.Game = CurrentSettings();
    s.CallAsYellow = CallAsYellow;
    s.CallOnEight = CallOnEight;
    s.NetPort = NetPort;
    s.NetService = NetService;
    return s;
}

void ApplyStoredSettings(const StoredSettings& s)
{
    OpponentIsComputer = s.Game.OpponentIsComputer;
    ComputerSide = s.Game.ComputerSide;
    Level = s.Game.Level;
    BoardSize = s.Game.BoardSize;
    FigureSet = s.Game.FigureSet;
    SoundOn = s.Game.SoundOn;
    AnimationOn = s.Game.AnimationOn;
    UseTray = s.Game.UseTray;
    ShowPreviousMove = s.Game.ShowPreviousMove;
    ShowAvailableMoves = s.Game.ShowAvailableMoves;
    master::SelectEngine(s.Game.Engine);
    Extras = s.Game.Extra;
    CallAsYellow = s.CallAsYellow;
    CallOnEight = s.CallOnEight;
    NetPort = s.NetPort;
    NetService = s.NetService;
}

StoredSettings LoadedSettings;
bool ExitSettingsDone = false;

void LoadSettings()
{
    const TProfileFile f = TProfileFile::Load(SettingsFile);
    SettingsFileKept = !f.Complete();
    if (SettingsFileKept)
        std::fprintf(stderr,
            "corvana: %s could not be read completely (%s); playing with what could be read, "
            "and it will not be rewritten\n",
            SettingsFile.c_str(), f.ReadProblem()->Message.c_str());
    LoadedSettings = ReadStoredSettings(f);
    ApplyStoredSettings(LoadedSettings);
    ExitSettingsDone = false;
}

Status WriteBackSettings(
    const std::string& fileName, const StoredSettings& loaded, const StoredSettings& now)
{
    return UpdateProfileFile(fileName, [&](TProfileFile& file) {
        for (const SettingRow& row : Rows) {
            const std::string ours = row.Text(now);
            const std::optional<std::string> there = RawValue(file, row);
            std::optional<std::string> value;
            if (ours != row.Text(loaded))
                value = ours; // this copy changed it
            else if (there && AsRead(row, there) != *there)
                value = AsRead(row, there); // as the reader takes it
            else if (!there && (!row.Extra || ours != AsRead(row, std::nullopt)))
                value = ours;
            if (value && TProfileFile::Storable(*value))
                file.SetString(row.Section, row.Key, *value);
        }
    });
}

Status WriteSettingsAtExit(const GameSettings& shown)
{
    if (SettingsFileKept)
        return {};
    StoredSettings now = CurrentStoredSettings();
    const ExtraSettings extras = now.Game.Extra; // the window's, not the dialog's copy
    now.Game = shown;
    now.Game.Extra = extras;
    Status written = WriteBackSettings(SettingsFile, LoadedSettings, now);
    if (written)
        LoadedSettings = now; // what a later write-back (after the player stayed) compares with
    return written;
}

void RemoveTemporariesOfKilledCopies()
{
    // Earlier versions named their temporaries after the file: "reversi.ini.XXXXXX".
    RemoveStaleTemporaries(FolderOf(SettingsFile), { BaseName(SettingsFile) + "." });
    RemoveStaleTemporaries(FolderOf(ResumeFile()), { BaseName(ResumeFile()) + "." });
    if (!Extras.LastFolder.empty())
        RemoveStaleTemporaries(Extras.LastFolder);
}
