// A game in any of the forms the program reads and writes: its own saved game (.kpx), a
// transcript (.txt), GGF (.ggf) and a position in the one-line board format (.obf), told apart by
// the file name's extension. Used by the window's Save, Open and clipboard commands and by
// corvana-cli.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "BoardTracker.h"
#include "GgfGame.h"
#include "PositionLine.h"
#include "Result.h"
#include "SafeFile.h"

enum class GameFileForm {
    Saved, // .kpx, and every name without one of the other extensions
    Transcript, // .txt
    Ggf, // .ggf
    Position, // .obf: a position without moves, one a line (the first is read)
};

// The form a file name stands for (the extension in either case).
GameFileForm GameFileFormOf(const std::string& fileName);
// The extension of a form, with its dot: ".kpx".
std::string GameFileExtension(GameFileForm form);

// The name a Save dialog's answer stands for: as it is when its extension names a form (or
// anything else for a saved game), else with the extension of the type the user chose.
std::string WithGameFileExtension(const std::string& fileName, GameFileForm chosen);

// A game as read: where it starts and its moves. Only a saved game carries who plays the computer
// and whether it is one; the text forms leave the current settings as they are. A saved game starts
// as usual; GGF, the one-line format and a transcript that begins with a position's line (the
// moves after it) may start from any position.
struct LoadedGame {
    WrittenGame Game;
    std::optional<SavedGameSettings> Settings;
};

// Reads a game file in the form its extension names. On failure the message begins
// "NAME was not opened: "; a .kpx file without the signature fails with NotOurs, as before.
Result<LoadedGame> ReadGameFile(const std::string& fileName);

// Every position of a file in the one-line format (a suite of endgame problems), with the moves
// and scores published for each. On failure the message begins "NAME was not read: ".
Result<std::vector<PositionLine>> ReadPositionFile(const std::string& fileName);

// Writes the game in the form the extension names (settings only go into a saved game, details
// only into GGF), replacing the file only once the new one is complete. GGF keeps the start
// position, a transcript writes a set-up start as its first line; the one-line format writes where
// the game has got to. A saved game cannot say where a game starts: a game from a set-up position
// is refused (Unsupported) there.
// A write-protected file is refused (ReadOnly) unless protection says to override it.
Status WriteGameFile(const std::string& fileName, const WrittenGame& game,
    const SavedGameSettings& settings, const GgfDetails& details = {},
    WriteProtection protection = WriteProtection::Respect);
// A record from the usual start.
Status WriteGameFile(const std::string& fileName, const OBoardTracker& record,
    const SavedGameSettings& settings, const GgfDetails& details = {},
    WriteProtection protection = WriteProtection::Respect);

// A game given as text (the clipboard): GGF when it holds a game's "(;", a position when it reads
// as one line of the one-line format, a transcript otherwise; a text without a single move and
// without a set-up position is refused.
Result<WrittenGame> ReadGameText(std::string_view text);

// The largest text file read whole: far more than any transcript; a GGF file of many games is
// read as far as this, which its first game normally fits within.
constexpr std::size_t MaxGameTextBytes = 1 << 20;
