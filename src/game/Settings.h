// The user's settings as process-wide variables, with the values they have when no configuration
// file exists, and their file "reversi.ini". The engine keeps its own (BoardSize, ComputerSide,
// OpponentIsComputer, Level, the engine: AdvancedEngine and SearchEngine) and the sound player
// SoundOn; the rest live here.
#pragma once

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

// Writes section [extras]: only when something differs from the defaults or the file already has
// the section, so that a file of the original's keys stays one. An empty string or why not.
Status WriteExtraSettings();

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

// Reads every key once, at start-up; missing keys and values out of range take their defaults.
void LoadSettings();

// Reads every key once, at start-up (above). A file that could not be read completely is played
// with as far as it was read, said once on standard error, and never written back: this is set.
extern bool SettingsFileKept;

// Writes keys of one section into the settings file, keeping everything else in it. Fails when
// the file could not be written; does nothing (and succeeds) to a kept file.
Status WriteSettingsSection(
    const std::string& section, const std::vector<std::pair<std::string, std::string>>& values);

// Writes section net (when the main window closes) and the call defaults (when it is destroyed).
Status WriteNetSettings();
Status WriteCallSettings();

// The figure sets' names in the file: the set shown as "Flame" is stored as "classic" and the one
// shown as "Classic" as "fire"; older files depend on the pairing.
const char* FigureSetStoredName(int figureSet);
int FigureSetFromStoredName(const std::string& name);
