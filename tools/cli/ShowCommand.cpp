// corvana-cli show: a game file (saved game, transcript, GGF or one-line position) as text, or
// the reason it is refused.
#include <cstdio>
#include <iostream>

#include "BoardText.h"
#include "BoardTracker.h"
#include "Commands.h"
#include "GameFiles.h"
#include "Notation.h"
#include "Openings.h"
#include "PositionLine.h"

void ReportUnreadGame(const std::string& fileName, const Error& error)
{
    switch (error.Kind) {
    case ErrorKind::NotOurs:
        std::cerr << "corvana-cli: " << fileName << " is not a saved game (no 0XPK signature)\n";
        break;
    case ErrorKind::Damaged:
        std::cerr << "corvana-cli: refused: " << error.Message << "\n";
        break;
    default: // the file could not be read
        std::cerr << "corvana-cli: error: " << error.Message << "\n";
        break;
    }
}

int RunShow(CliArgs& args)
{
    const std::optional<std::string> file = args.TakePositional();
    if (!file)
        throw UsageError("show needs a file name");
    args.ExpectEnd();

    const Result<LoadedGame> read = ReadGameFile(*file);
    if (!read) {
        ReportUnreadGame(*file, read.Failure());
        return 1;
    }
    const WrittenGame& game = read.Value().Game;
    const OBoardTracker& record = game.Record;

    std::printf("size: %d\ncount: %d\n", record.Size, record.Count);
    // Only a game from a set-up position says where it starts.
    if (!IsUsualStart(game.Start)) {
        std::printf("start: %s, %s to move\n", PositionLineOf(game.Start).c_str(),
            SideName(game.Start.SideToMove));
        PrintBoard(game.Start.Cells, record.Size);
    }
    for (int i = 0; i < record.Count; ++i) {
        const TTrackerEntry& e = record.Entries[i];
        std::printf("%3d. %-6s %3d (%s)\n", i + 1, SideName(e.MoverSide), e.Move,
            SquareName(record.Size, e.Move).c_str());
    }
    std::printf("transcript: %s\n", TranscriptOf(record).c_str());
    if (const std::optional<std::string_view> opening = OpeningNameOf(game))
        std::printf("opening: %.*s\n", int(opening->size()), opening->data());
    // Only a saved game says who played; a transcript or GGF game does not.
    if (const std::optional<SavedGameSettings>& s = read.Value().Settings) {
        std::printf("computer side: %s (%d)\n", SideName(s->ComputerSide), s->ComputerSide);
        std::printf("opponent: %s\n", s->OpponentIsComputer ? "computer" : "player");
    }
    if (record.Count > 0) {
        std::printf("final board:\n");
        PrintBoard(FinalBoardOf(game), record.Size);
    }
    return 0;
}
