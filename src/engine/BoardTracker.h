// The record of the current game: every move with the board before it, for undo, redo and the
// saved-game file (.kpx). Used by the controller's match commands and by corvana-cli.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Board.h"
#include "Result.h"
#include "SafeFile.h"

// One recorded move; the same 156 bytes in memory and in the file (integers little-endian there).
struct TTrackerEntry {
    std::int32_t Move;
    std::int32_t MoverSide;
    std::int32_t OtherSide;
    Board Before;
};
static_assert(sizeof(TTrackerEntry) == 156, "TTrackerEntry must have no padding");

// The settings a saved game carries along with its moves.
struct SavedGameSettings {
    std::int32_t ComputerSide = SideGreen;
    bool OpponentIsComputer = true;
};

class OBoardTracker {
public:
    OBoardTracker(); // empty record for the current BoardSize

    std::int32_t Count = 0; // entries
    std::int32_t Current = 0; // entries played out on board 0; Entries[Current] is the next redo
    std::vector<TTrackerEntry> Entries;
    std::int32_t Size = 8;

    // Records a move about to be played from board 0, dropping the moves that could be redone.
    void Push(int move, int mover, int opponent);
    void Truncate();
    bool Undo(); // false, changing nothing, at the start of the record
    bool Redo(); // false, changing nothing, at the end of the record
    bool Consistent() const; // 0 ≤ Current ≤ Count = the number of entries

    // Writes all entries (also those after Current), ComputerSide and the opponent flag (0 in a
    // network game). Writes a temporary file and renames it, so a failure leaves the old file.
    Status SaveToFile(const std::string& fileName) const;

    // Replaces the record, ComputerSide and OpponentIsComputer from a file, only when the whole
    // file is a consistent game; otherwise nothing changes. Current becomes Count. Fails with
    // NotOurs when the file does not begin with the signature (the window then says nothing),
    // Damaged when it claims what no valid game holds, or what reading the file gave.
    Status LoadFromFile(const std::string& fileName);
};

extern std::unique_ptr<OBoardTracker> GameRecord;

// Replaces GameRecord by a new empty record.
void ResetGameRecord();

// The file image of a record and its settings, and its reverse with every check a loaded game
// must pass. Kept apart from the file system so the format can be tested on bytes.
std::vector<std::uint8_t> EncodeSavedGame(
    const OBoardTracker& record, const SavedGameSettings& settings);
Status DecodeSavedGame(
    const std::vector<std::uint8_t>& bytes, OBoardTracker& record, SavedGameSettings& settings);

// LoadFromFile without touching the shared settings: fills record and settings from the file only
// when it is a consistent game; the message of a failure begins "NAME was not opened: ".
Status ReadSavedGameFile(
    const std::string& fileName, OBoardTracker& record, SavedGameSettings& settings);
// SaveToFile with the settings given instead of the shared ones; a write-protected file only
// when protection says to override it.
Status WriteSavedGameFile(const std::string& fileName, const OBoardTracker& record,
    const SavedGameSettings& settings, WriteProtection protection = WriteProtection::Respect);

// The largest file a valid game can have: every move fills a square of the 10 × 10 board.
constexpr std::size_t MaxSavedGameBytes = 17 + 156 * 100;
