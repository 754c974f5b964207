// The checks every game reader's harness makes of a game it accepted.
#include "FuzzCheck.h"

#include <algorithm>
#include <cstring>

#include "BoardTracker.h"
#include "GgfGame.h"
#include "Notation.h"

bool SameGame(const OBoardTracker& a, const OBoardTracker& b)
{
    if (a.Count != b.Count || a.Entries.size() != b.Entries.size())
        return false;
    // A game without a move names no board size in a transcript.
    if (a.Count > 0 && a.Size != b.Size)
        return false;
    for (std::size_t i = 0; i < a.Entries.size(); ++i) {
        const TTrackerEntry& x = a.Entries[i];
        const TTrackerEntry& y = b.Entries[i];
        if (x.Move != y.Move || x.MoverSide != y.MoverSide || x.OtherSide != y.OtherSide
            || x.Before != y.Before)
            return false;
    }
    return true;
}

void ExpectWholeRecord(const OBoardTracker& record, const char* reader)
{
    const std::string who = reader;
    Expect(record.Size == 8 || record.Size == 10, who + ": the board size is 8 or 10");
    Expect(record.Count == std::int32_t(record.Entries.size()) && record.Current == record.Count,
        who + ": the record is positioned at its end with every entry there");
}

void ExpectWritesBack(const OBoardTracker& record, const char* reader)
{
    const std::string who = reader;
    const Result<OBoardTracker> transcript = ReadTranscript(TranscriptOf(record));
    Expect(transcript.Ok(),
        who + ": its game written as a transcript is refused: "
            + (transcript ? std::string() : transcript.Failure().Message));
    Expect(SameGame(record, transcript.Value()),
        who + ": its game written as a transcript reads back as another game");

    const Result<WrittenGame> ggf = ReadGgf(GgfOf(record));
    Expect(ggf.Ok(),
        who + ": its game written as GGF is refused: "
            + (ggf ? std::string() : ggf.Failure().Message));
    Expect(SameGame(record, ggf.Value().Record) && ggf.Value().Record.Size == record.Size
            && IsUsualStart(ggf.Value().Start),
        who + ": its game written as GGF reads back as another game");

    for (const SavedGameSettings settings :
        { SavedGameSettings { SideGreen, true }, SavedGameSettings { SideYellow, false } }) {
        const std::vector<std::uint8_t> bytes = EncodeSavedGame(record, settings);
        OBoardTracker saved;
        SavedGameSettings read;
        const Status decoded = DecodeSavedGame(bytes, saved, read);
        Expect(decoded.Ok(),
            who + ": its game written as a saved game is refused: "
                + (decoded ? std::string() : decoded.Failure().Message));
        Expect(SameGame(record, saved) && saved.Size == record.Size,
            who + ": its game written as a saved game reads back as another game");
        Expect(read.ComputerSide == settings.ComputerSide
                && read.OpponentIsComputer == settings.OpponentIsComputer,
            who + ": a saved game's settings read back changed");
    }
}

bool SameGame(const WrittenGame& a, const WrittenGame& b)
{
    return a.Start.Size == b.Start.Size && a.Start.Cells == b.Start.Cells
        && a.Start.SideToMove == b.Start.SideToMove && SameGame(a.Record, b.Record);
}

void ExpectWritesBack(const WrittenGame& game, const char* reader)
{
    const std::string who = reader;
    const Result<WrittenGame> ggf = ReadGgf(GgfOf(game));
    Expect(ggf.Ok(),
        who + ": its game written as GGF is refused: "
            + (ggf ? std::string() : ggf.Failure().Message));
    Expect(
        SameGame(game, ggf.Value()), who + ": its game written as GGF reads back as another game");
    if (IsUsualStart(game.Start))
        ExpectWritesBack(game.Record, reader);
}
