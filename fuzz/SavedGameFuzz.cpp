// The saved-game reader: a game it accepts is written back byte for byte and converts to the text
// forms, which read it back as the same game; a game it refuses leaves the record as it was.
#include "FuzzCheck.h"

#include "BoardTracker.h"

void FuzzSavedGame(FuzzBytes input)
{
    const std::vector<std::uint8_t> bytes(input.begin(), input.end());
    OBoardTracker record;
    record.Size = 8;
    SavedGameSettings settings { SideYellow, false };
    const Status decoded = DecodeSavedGame(bytes, record, settings);
    if (!decoded) {
        Expect(!decoded.Failure().Message.empty(), "saved game: a refusal says why");
        Expect(record.Entries.empty() && record.Count == 0 && record.Current == 0
                && record.Size == 8 && settings.ComputerSide == SideYellow
                && !settings.OpponentIsComputer,
            "saved game: a refused file changed the record or the settings");
        return;
    }
    ExpectWholeRecord(record, "saved game");
    Expect(EncodeSavedGame(record, settings) == bytes,
        "saved game: an accepted file does not write back byte for byte");
    ExpectWritesBack(record, "saved game");
}
