// The user's settings as process-wide variables, with the values they have when no configuration
// file exists, and their file "reversi.ini". The engine keeps its own (BoardSize, ComputerSide,
// OpponentIsComputer, Level, the engine: AdvancedEngine and SearchEngine) and the sound player
// SoundOn; the rest live here.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "EngineKind.h"
#include "Result.h"

extern int FigureSet; // 0 "Flame", 1 "Classic", 2 "Ancient"
extern bool AnimationOn;
extern bool UseTray;
extern bool ShowPreviousMove;
extern bool ShowAvailableMoves;
extern bool CallAsYellow;
extern bool CallOnEight;
extern int NetPort;
extern std::string NetService;

// Settings beyond the original program's, in section [extras] of the settings file. At their
// defaults the program behaves, looks and writes its file as the original does.
struct ExtraSettings {
    bool ShowMoveList = false; // the move list window
    bool MarkLastMove = false; // a small marker on the disc placed last
    bool MarkLegalMoves = false; // small dots on the squares where the side to move may play
    int AnimationFrameMs = 55; // 110 slow, 55 normal (the original's), 25 fast
    bool ResumeLastGame = true; // an unfinished game is kept at exit and can be resumed
    bool ShowMoveValues = false; // the master engine's value of every legal square, on the board
    std::string LastFolder; // where the last game was saved or opened
    // The main window: its size when neither maximised nor full screen (0: the first size the
    // design gives it), and whether it was maximised or full screen.
    int WindowWidth = 0, WindowHeight = 0;
    bool Maximized = false;
    bool FullScreen = false;
    bool operator==(const ExtraSettings&) const = default;
};
extern ExtraSettings Extras;

// The animation speeds the settings offer, slowest first, and their names in the file.
constexpr int AnimationFrameMsChoices[] = { 110, 55, 25 };
const char* AnimationSpeedName(int frameMs);

// Where an unfinished game is kept at exit: $XDG_STATE_HOME/corvana/last.kpx
// (~/.local/state/corvana/last.kpx by default).
std::string ResumeFile();

// Every setting the settings dialog shows, as one value: what the dialog is set from and what it
// gives back when it closes.
struct GameSettings {
    bool OpponentIsComputer = true;
    int ComputerSide = 3; // the computer plays Green: the player Yellow
    int Level = 1;
    int BoardSize = 8;
    int FigureSet = 0;
    bool SoundOn = true;
    bool AnimationOn = true;
    bool UseTray = true;
    bool ShowPreviousMove = true;
    bool ShowAvailableMoves = true;
    EngineKind Engine = EngineKind::Normal;
    ExtraSettings Extra;
    bool operator==(const GameSettings&) const = default;
};

// The settings as the process-wide variables hold them now.
GameSettings CurrentSettings();

// The settings file: $XDG_CONFIG_HOME/corvana/reversi.ini (~/.config/corvana/ by default), or
// the file named on the command line.
extern std::string SettingsFile;
std::string DefaultSettingsFile();

// Everything the settings file holds, as values: the settings dialog's, the call defaults and
// the port.
struct StoredSettings {
    GameSettings Game;
    bool CallAsYellow = true;
    bool CallOnEight = true;
    int NetPort = 8173;
    std::string NetService;
    bool operator==(const StoredSettings&) const = default;
};

// One key of the settings file, declared once: where it is, how its text is read (raw is the
// trimmed value, cut to MaxLength; a missing key leaves the default of StoredSettings, and a
// value out of range reads as that default) and how it is written. Reading, the write-back at
// exit, the reset for tests and their snapshot all go through these rows.
struct SettingRow {
    const char* Section;
    const char* Key;
    std::size_t MaxLength; // the reader takes no more of a value than this
    // Beyond the original's keys: not written while at its default and absent from the file, so
    // that a file of the original's keys stays one.
    bool Extra;
    void (*Read)(const std::string& raw, StoredSettings& into);
    std::string (*Text)(const StoredSettings& from);
};
std::span<const SettingRow> SettingRows();

class TProfileFile;
// Every row of the file, read.
StoredSettings ReadStoredSettings(const TProfileFile& file);

// The settings as the process-wide variables hold them, and the variables set from settings.
StoredSettings CurrentStoredSettings();
void ApplyStoredSettings(const StoredSettings& settings);

// Reads every key once, at start-up; missing keys and values out of range take their defaults.
// A file that could not be read completely is played with as far as it was read, said once on
// standard error, and never written back (SettingsFileKept).
void LoadSettings();
extern bool SettingsFileKept;
// What LoadSettings read: at exit only the keys whose value differs from it are this copy's to
// write, so a second copy's changes to the others survive.
extern StoredSettings LoadedSettings;

// Writes now into the file, under the file's lock and after reading it again: a key this copy
// changed (now differs from loaded there) gets its value; every other key keeps what the file
// holds now (what another copy or the user wrote meanwhile), except that a value the reader would
// take otherwise (brdim=9) is written as it is read, and a missing original key is added. Unknown
// keys and sections, comments and the order of lines stay. A value the file cannot hold (a line
// break in a folder's name) is not written: the file keeps what it had.
Status WriteBackSettings(
    const std::string& fileName, const StoredSettings& loaded, const StoredSettings& now);

// The settings written at exit: the dialog's controls (what it shows: an opened game's size, not
// a network game's players) with the variables for the rest. Does nothing, and succeeds, for a
// file that could not be read completely at start-up.
Status WriteSettingsAtExit(const GameSettings& shown);
// The settings have been written at exit, or the player chose to quit without them: the ends of
// the window and of the settings dialog write nothing more. Cleared by LoadSettings.
extern bool ExitSettingsDone;

// Removes what a copy killed while it wrote left behind: its temporary files beside the
// settings file, the kept game and the folder games were last saved in (a minute old at least,
// so that another copy's save in progress is never touched).
void RemoveTemporariesOfKilledCopies();

// The figure sets' names in the file: the set shown as "Flame" is stored as "classic" and the one
// shown as "Classic" as "fire"; older files depend on the pairing.
const char* FigureSetStoredName(int figureSet);
int FigureSetFromStoredName(const std::string& name);
