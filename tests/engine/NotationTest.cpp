// Games as text: transcripts, GGF (from the usual start or a set-up position) and the game files
// in all their forms, read back to the same game, and what is refused with which reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

#include "BoardTracker.h"
#include "EngineTestSupport.h"
#include "GameFiles.h"
#include "GameFlow.h"
#include "GgfGame.h"
#include "MoveRules.h"
#include "Notation.h"
#include "PositionLine.h"
#include "RoutineTable.h"

namespace {

int Sq(int size, const char* name) { return SquareFromName(size, name); }

// The entries that matter when two records are the same game.
void ExpectSameGame(const OBoardTracker& a, const OBoardTracker& b)
{
    ASSERT_EQ(a.Size, b.Size);
    ASSERT_EQ(a.Count, b.Count);
    ASSERT_EQ(a.Entries.size(), b.Entries.size());
    for (std::size_t i = 0; i < a.Entries.size(); ++i) {
        EXPECT_EQ(a.Entries[i].Move, b.Entries[i].Move) << "move " << i + 1;
        EXPECT_EQ(a.Entries[i].MoverSide, b.Entries[i].MoverSide) << "move " << i + 1;
        EXPECT_EQ(a.Entries[i].Before, b.Entries[i].Before) << "move " << i + 1;
    }
}

template <class T> std::string MessageOf(const Result<T>& r)
{
    return r ? "" : r.Failure().Message;
}

// The record of a game read from the usual start (refused otherwise).
Result<OBoardTracker> FromStart(Result<WrittenGame> game)
{
    if (!game)
        return game.Failure();
    EXPECT_TRUE(IsUsualStart(game.Value().Start));
    return std::move(game).Value().Record;
}

// A full random game as the window would record it: every move pushed from board 0.
OBoardTracker RandomRecord(int size, std::mt19937& rng)
{
    const std::vector<int> squares = PlayRandomGame(size, 200, rng);
    const Board final = BoardStack[0];
    Result<OBoardTracker> replayed = ReplayMoves(size, squares);
    EXPECT_TRUE(replayed) << MessageOf(replayed);
    if (!replayed)
        return {};
    const TTrackerEntry& last = replayed.Value().Entries.back();
    Board after = last.Before;
    RoutinesFor(size).MakeMove(after, last.Move, last.MoverSide, last.OtherSide);
    EXPECT_EQ(after, final);
    return std::move(replayed).Value();
}

struct TempDir {
    std::filesystem::path Path = std::filesystem::temp_directory_path()
        / ("corvana-notation-" + std::to_string(::getpid()));
    TempDir() { std::filesystem::create_directories(Path); }
    ~TempDir() { std::filesystem::remove_all(Path); }
    std::string File(const std::string& name) const { return (Path / name).string(); }
};

void WriteText(const std::string& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

} // namespace

TEST(Transcript, TheUsualOpeningReadsAndWritesAsOthelloPlayersWriteIt)
{
    const Result<OBoardTracker> game = ReadTranscript("f5d6c3d3c4");
    ASSERT_TRUE(game) << MessageOf(game);
    const OBoardTracker& r = game.Value();
    EXPECT_EQ(r.Size, 8);
    ASSERT_EQ(r.Count, 5);
    EXPECT_EQ(r.Current, 5);
    EXPECT_EQ(r.Entries[0].Move, Sq(8, "F5"));
    EXPECT_EQ(r.Entries[0].MoverSide, SideYellow);
    EXPECT_EQ(r.Entries[1].MoverSide, SideGreen);
    EXPECT_EQ(r.Entries[0].Before, StartBoard(8));
    EXPECT_EQ(TranscriptOf(r), "f5d6c3d3c4");

    // Upper case, spaces, commas and line breaks are the same game.
    const Result<OBoardTracker> spaced = ReadTranscript(" F5 d6,C3\r\nd3  c4\n");
    ASSERT_TRUE(spaced) << MessageOf(spaced);
    ExpectSameGame(spaced.Value(), r);

    // Every first move of 8 × 8 is one of the four usual ones.
    for (const char* first : { "d3", "c4", "f5", "e6" })
        EXPECT_TRUE(ReadTranscript(first)) << first;
    for (const char* first : { "d6", "e3", "c5", "f4" })
        EXPECT_FALSE(ReadTranscript(first)) << first;

    // An empty transcript is the start of 8 × 8.
    const Result<OBoardTracker> empty = ReadTranscript(" \n");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty.Value().Count, 0);
    EXPECT_EQ(empty.Value().Size, 8);
}

TEST(Transcript, TenByTenIsToldFromItsSquares)
{
    // The four first moves of 10 × 10, and a row number of two digits.
    for (const char* first : { "e4", "d5", "g6", "f7" }) {
        const Result<OBoardTracker> game = ReadTranscript(first);
        ASSERT_TRUE(game) << first << ": " << MessageOf(game);
        EXPECT_EQ(game.Value().Size, 10) << first;
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 20; ++i) {
        const OBoardTracker record = RandomRecord(10, rng);
        const std::string text = TranscriptOf(record);
        const Result<OBoardTracker> back = ReadTranscript(text);
        ASSERT_TRUE(back) << text << ": " << MessageOf(back);
        ExpectSameGame(back.Value(), record);
        // The width rule: letters begin squares, so "j10" and "a1" stand side by side unpadded.
        std::size_t squares = 0;
        for (const char c : text)
            squares += c >= 'a' && c <= 'j';
        EXPECT_EQ(squares, record.Entries.size());
    }
}

TEST(Transcript, RandomGamesOfBothSizesComeBackTheSameWithTheirPasses)
{
    std::mt19937 rng(2026);
    int withPasses = 0;
    for (const int size : { 8, 10 }) {
        for (int i = 0; i < 150; ++i) {
            const OBoardTracker record = RandomRecord(size, rng);
            const std::vector<int> moves = MovesWithPasses(record);
            withPasses += std::count(moves.begin(), moves.end(), PassMove) > 0;

            const Result<OBoardTracker> fromText = ReadTranscript(TranscriptOf(record));
            ASSERT_TRUE(fromText) << MessageOf(fromText);
            ExpectSameGame(fromText.Value(), record);

            // Written passes read the same as the passes a reader works out.
            const Result<OBoardTracker> fromMoves = ReplayMoves(size, moves);
            ASSERT_TRUE(fromMoves) << MessageOf(fromMoves);
            ExpectSameGame(fromMoves.Value(), record);

            const Result<OBoardTracker> fromGgf = FromStart(ReadGgf(GgfOf(record)));
            ASSERT_TRUE(fromGgf) << MessageOf(fromGgf);
            ExpectSameGame(fromGgf.Value(), record);
        }
    }
    // Random play passes now and then; the games above must have exercised it.
    EXPECT_GT(withPasses, 0);
}

TEST(Transcript, WhatIsNotAGameIsRefusedWithTheReason)
{
    const auto refused = [](std::string_view text, const std::string& reason) {
        const Result<OBoardTracker> r = ReadTranscript(text);
        ASSERT_FALSE(r) << text;
        EXPECT_EQ(r.Failure().Kind, ErrorKind::Damaged) << text;
        EXPECT_NE(r.Failure().Message.find(reason), std::string::npos)
            << text << " -> " << r.Failure().Message;
    };
    refused("f5d6c3x3", "\"x3\"");
    refused("f5d6c3x3", "character 7");
    refused("f5 d6 3c", "character 7");
    refused("f5 hello", "\"hello\" at character 4 is neither a square nor a pass");
    refused("f5d6c3d3c9", "move 5 (c9) is not a square of the 8 × 8 board");
    refused("f5d6k3", "\"k3\" at character 5 is not a square");
    refused("f5a0", "\"a0\" at character 3 is not a square");
    refused("f5a05", "is not a square");
    refused("f5 d6 c3 d3 c4 c4", "move 6 (C4) is not a legal move for Green");
    refused("f5 pass d6", "move 2 is a pass, but Green can play");
    refused("f5d6c3 \xc3\x97", "character 8 is neither a square nor a pass");
    // A 10 × 10 game refused on its own board, not as a broken 8 × 8 one.
    refused("e4 e4", "move 2 (E4) is not a legal move for Green");
    refused(std::string(2000, 'a').append("1"), "neither a square nor a pass");
    std::string endless;
    for (int i = 0; i < 200; ++i)
        endless += "f5";
    refused(endless, "more moves than any game has");
}

TEST(Transcript, NoMoveAfterTheEndAndPassesOnlyWhereDue)
{
    std::mt19937 rng(11);
    OBoardTracker finished;
    for (int i = 0; i < 50 && finished.Count == 0; ++i) {
        const OBoardTracker r = RandomRecord(8, rng);
        if (FinalScoreOf(r).Finished)
            finished = r;
    }
    ASSERT_GT(finished.Count, 0);
    std::vector<int> moves = MovesWithPasses(finished);
    moves.push_back(PassMove);
    const Result<OBoardTracker> after = ReplayMoves(8, moves);
    ASSERT_FALSE(after);
    EXPECT_NE(after.Failure().Message.find("comes after the end of the game"), std::string::npos)
        << after.Failure().Message;

    // A side's move where the other side is due.
    const std::vector<int> wrongSide { Sq(8, "f5"), Sq(8, "d6") };
    const Result<OBoardTracker> r = ReplayMoves(8, wrongSide, { SideYellow, SideYellow });
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Failure().Message, "move 2 (D6) is Yellow's, but Green is to move");
}

TEST(Ggf, AServersGameIsReadWithItsCommentsTimesAndEvaluationsPassedOver)
{
    const std::string text = "garbage before the game\n"
                             "(;GM[Othello]PC[NIOS]DT[2003.12.01_13:21:00.GMT]PB[ann]PW[bob]"
                             "RB[1900.00]RW[1850.00]TI[15:00//02:00]TY[8]RE[?]\n"
                             "BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- "
                             "-------- *]\n"
                             "B[f5//0.01]W[D6/-1.20/2.5]C[a \\] bracket and a \\\\ backslash]"
                             "B[c3]W[d3] B[c4];)\n(;GM[Othello]BO[8 junk]B[a1];)";
    const Result<OBoardTracker> game = FromStart(ReadGgf(text));
    ASSERT_TRUE(game) << MessageOf(game);
    EXPECT_EQ(TranscriptOf(game.Value()), "f5d6c3d3c4");

    // The same through the clipboard's reader, which tells GGF from a transcript.
    const Result<OBoardTracker> pasted = FromStart(ReadGameText(text));
    ASSERT_TRUE(pasted);
    ExpectSameGame(pasted.Value(), game.Value());
}

TEST(Ggf, PassesAreWrittenAsPAAndTheResultFromBlacksSide)
{
    std::mt19937 rng(5);
    for (int i = 0; i < 400; ++i) {
        const OBoardTracker record = RandomRecord(8, rng);
        const std::vector<int> moves = MovesWithPasses(record);
        if (std::count(moves.begin(), moves.end(), PassMove) == 0)
            continue;
        const std::string text = GgfOf(record, { "Here", "2026.12.08", "a]b", "c", {} });
        EXPECT_NE(text.find("PA]"), std::string::npos) << text;
        EXPECT_NE(text.find("PB[a\\]b]"), std::string::npos) << text;
        EXPECT_NE(text.find("DT[2026.12.08]"), std::string::npos) << text;
        const FinalScore score = FinalScoreOf(record);
        if (score.Finished) {
            const int margin = score.Yellow - score.Green;
            const std::string result
                = "RE[" + std::string(margin > 0 ? "+" : "") + std::to_string(margin) + ".000]";
            EXPECT_NE(text.find(result), std::string::npos) << text;
        }
        // A written pass of the wrong side is refused.
        std::string wrong = text;
        const std::size_t pass = wrong.find("PA]");
        wrong[pass - 2] = wrong[pass - 2] == 'B' ? 'W' : 'B';
        const Result<WrittenGame> refused = ReadGgf(wrong);
        ASSERT_FALSE(refused);
        EXPECT_NE(refused.Failure().Message.find("pass for"), std::string::npos)
            << refused.Failure().Message;
        return;
    }
    FAIL() << "no random game with a pass";
}

// A reviewed game keeps a comment after each move; the reader passes over them, brackets and
// backslashes in them included, and a game with passes keeps each comment on its move.
TEST(Ggf, MoveCommentsAreWrittenAfterTheirMovesAndReadPast)
{
    std::mt19937 rng(11);
    for (int i = 0; i < 400; ++i) {
        const OBoardTracker record = RandomRecord(8, rng);
        const std::vector<int> moves = MovesWithPasses(record);
        if (std::count(moves.begin(), moves.end(), PassMove) == 0)
            continue;
        GgfDetails details;
        for (std::size_t m = 0; m < record.Entries.size(); ++m)
            details.MoveComments.push_back(
                m % 3 == 2 ? "" : "move " + std::to_string(m + 1) + " [+1.5] \\ ok");
        const std::string text = GgfOf(record, details);
        for (std::size_t m = 0; m < record.Entries.size(); ++m) {
            const std::string move
                = std::string(record.Entries[m].MoverSide == SideYellow ? "B[" : "W[")
                + MoveText(8, record.Entries[m].Move) + "]";
            const std::string comment = "C[move " + std::to_string(m + 1) + " [+1.5\\] \\\\ ok]";
            const std::size_t at = text.find(comment);
            if (m % 3 == 2) {
                EXPECT_EQ(at, std::string::npos) << comment;
                continue;
            }
            ASSERT_NE(at, std::string::npos) << comment << "\n" << text;
            // Right after its move.
            ASSERT_GE(at, move.size());
            EXPECT_EQ(text.substr(at - move.size(), move.size()), move) << comment;
        }
        const Result<OBoardTracker> back = FromStart(ReadGgf(text));
        ASSERT_TRUE(back) << MessageOf(back);
        ExpectSameGame(back.Value(), record);
        return;
    }
    FAIL() << "no random game with a pass";
}

TEST(Ggf, TenByTenHasItsOwnBoard)
{
    std::mt19937 rng(3);
    const OBoardTracker record = RandomRecord(10, rng);
    const std::string text = GgfOf(record);
    EXPECT_NE(text.find("TY[10]"), std::string::npos);
    EXPECT_NE(text.find("BO[10 ---------- ---------- ---------- ---------- ----O*---- "
                        "----*O---- ---------- ---------- ---------- ---------- *]"),
        std::string::npos)
        << text;
    const Result<OBoardTracker> back = FromStart(ReadGgf(text));
    ASSERT_TRUE(back) << MessageOf(back);
    ExpectSameGame(back.Value(), record);
}

TEST(Ggf, WhatIsNotAnOthelloGameIsRefused)
{
    const std::string board8 = "BO[8 -------- -------- -------- ---O*--- ---*O--- -------- "
                               "-------- -------- *]";
    const auto refused = [](const std::string& text, const std::string& reason) {
        const Result<WrittenGame> r = ReadGgf(text);
        ASSERT_FALSE(r) << text;
        EXPECT_NE(r.Failure().Message.find(reason), std::string::npos)
            << text << " -> " << r.Failure().Message;
    };
    refused("f5d6", "no GGF game");
    refused("(;GM[Chess]" + board8 + ";)", "a game of Chess, not of Othello");
    refused("(;GM[Othello]B[f5];)", "no board (BO)");
    refused("(;GM[Othello]" + board8 + "B[f5]", "not closed by \";)\"");
    refused("(;GM[Othello]" + board8 + "C[unclosed", "value of C is not closed");
    refused("(;GM[Othello]" + board8 + "B[f5]&[x];)", "something else than a property");
    refused("(;GM[Othello]BO[8 -------- -------- -------- ---O-*-- ---*O--- -------- -------- "
            "-------- *];)",
        "cannot arise in a game: its centre square E4 is empty");
    refused("(;GM[Othello]BO[8 -------- -------- --*----- ---OO--- ---OO--- -----O-- ------O- "
            "-------O *];)",
        "cannot arise in a game: Yellow is to move but has no legal move");
    refused("(;GM[Othello]BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- "
            "-------- -];)",
        "names no side to move");
    refused("(;GM[Othello]BO[8 -------- -------- -------- ---O*--- ---*Q--- -------- -------- "
            "-------- *];)",
        "has \"Q\" where a square is");
    refused("(;GM[Othello]BO[6 ------ ------ --O*-- --*O-- ------ ------ *];)", "neither 8 × 8");
    refused("(;GM[Othello]BO[8 --- *];)", "does not have 64 squares");
    refused("(;GM[Othello]" + board8 + "W[d3];)", "move 1 (D3) is Green's, but Yellow is to move");
    refused("(;GM[Othello]" + board8 + "B[f5]W[z9];)", "move 2 (z9) is not a square");
    refused("(;GM[Othello]" + board8 + "B[f5]W[c3];)", "move 2 (C3) is not a legal move");
}

TEST(GameFiles, EachFormIsChosenByTheExtensionAndReadsBackTheSameGame)
{
    EXPECT_EQ(GameFileFormOf("/a/b.kpx"), GameFileForm::Saved);
    EXPECT_EQ(GameFileFormOf("/a/b.TXT"), GameFileForm::Transcript);
    EXPECT_EQ(GameFileFormOf("b.Ggf"), GameFileForm::Ggf);
    EXPECT_EQ(GameFileFormOf("/a.txt/b"), GameFileForm::Saved);
    EXPECT_EQ(GameFileFormOf("game"), GameFileForm::Saved);
    EXPECT_EQ(GameFileExtension(GameFileForm::Ggf), ".ggf");

    TempDir dir;
    std::mt19937 rng(17);
    const OBoardTracker record = RandomRecord(8, rng);
    const SavedGameSettings settings { SideYellow, false };
    for (const char* name : { "g.kpx", "g.txt", "g.ggf" }) {
        const std::string file = dir.File(name);
        const Status written = WriteGameFile(file, record, settings);
        ASSERT_TRUE(written) << written.Failure().Message;
        const Result<LoadedGame> read = ReadGameFile(file);
        ASSERT_TRUE(read) << read.Failure().Message;
        ExpectSameGame(read.Value().Game.Record, record);
        // Only the saved game knows who played.
        EXPECT_EQ(read.Value().Settings.has_value(), std::string(name) == "g.kpx") << name;
        if (read.Value().Settings) {
            EXPECT_EQ(read.Value().Settings->ComputerSide, SideYellow);
            EXPECT_FALSE(read.Value().Settings->OpponentIsComputer);
        }
    }
    std::ifstream transcript(dir.File("g.txt"));
    std::string line;
    std::getline(transcript, line);
    EXPECT_EQ(line, TranscriptOf(record));

    // Reading a game leaves the shared settings alone.
    ComputerSide = SideGreen;
    OpponentIsComputer = true;
    ASSERT_TRUE(ReadGameFile(dir.File("g.kpx")));
    EXPECT_EQ(ComputerSide, SideGreen);
    EXPECT_TRUE(OpponentIsComputer);
}

TEST(GameFiles, RefusalsNameTheFileAndALongCollectionGivesItsFirstGame)
{
    TempDir dir;
    WriteText(dir.File("bad.txt"), "f5 d6 zz");
    const Result<LoadedGame> bad = ReadGameFile(dir.File("bad.txt"));
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.Failure().Message.rfind("bad.txt was not opened: \"zz\"", 0), 0u)
        << bad.Failure().Message;

    const Result<LoadedGame> missing = ReadGameFile(dir.File("none.ggf"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Failure().Kind, ErrorKind::NotFound);
    EXPECT_EQ(missing.Failure().Message.rfind("none.ggf was not opened: ", 0), 0u);

    // A .kpx without the signature stays the quiet refusal it always was.
    WriteText(dir.File("plain.kpx"), "f5d6");
    const Result<LoadedGame> plain = ReadGameFile(dir.File("plain.kpx"));
    ASSERT_FALSE(plain);
    EXPECT_EQ(plain.Failure().Kind, ErrorKind::NotOurs);

    // An oversized transcript is refused; a GGF collection past the budget gives its first game.
    WriteText(dir.File("huge.txt"), std::string(MaxGameTextBytes + 10, ' '));
    const Result<LoadedGame> huge = ReadGameFile(dir.File("huge.txt"));
    ASSERT_FALSE(huge);
    EXPECT_EQ(huge.Failure().Kind, ErrorKind::TooLarge);
    std::string collection;
    const std::string one = "(;GM[Othello]BO[8 -------- -------- -------- ---O*--- ---*O--- "
                            "-------- -------- -------- *]B[f5]W[d6];)\n";
    while (collection.size() <= MaxGameTextBytes)
        collection += one;
    WriteText(dir.File("many.ggf"), collection);
    const Result<LoadedGame> first = ReadGameFile(dir.File("many.ggf"));
    ASSERT_TRUE(first) << first.Failure().Message;
    EXPECT_EQ(TranscriptOf(first.Value().Game.Record), "f5d6");
}

TEST(GameFiles, ASaveDialogsAnswerGetsTheExtensionOfTheTypeChosen)
{
    // A name that already says its form keeps it, whatever type was chosen.
    EXPECT_EQ(WithGameFileExtension("/g/a.txt", GameFileForm::Ggf), "/g/a.txt");
    EXPECT_EQ(WithGameFileExtension("/g/a.GGF", GameFileForm::Saved), "/g/a.GGF");
    EXPECT_EQ(WithGameFileExtension("/g/a.kpx", GameFileForm::Transcript), "/g/a.kpx");
    // Otherwise the chosen type's extension is added; a saved game takes any other name.
    EXPECT_EQ(WithGameFileExtension("/g/a", GameFileForm::Transcript), "/g/a.txt");
    EXPECT_EQ(WithGameFileExtension("/g/v1.2", GameFileForm::Ggf), "/g/v1.2.ggf");
    EXPECT_EQ(WithGameFileExtension("/g/a.sav", GameFileForm::Saved), "/g/a.sav");
    EXPECT_EQ(WithGameFileExtension("/g.d/a", GameFileForm::Ggf), "/g.d/a.ggf");
}

namespace {

int OtherSideOf(int side) { return side == SideYellow ? SideGreen : SideYellow; }

// A game of random moves from a position.
WrittenGame RandomGameFrom(const GamePosition& start, int plies, std::mt19937& rng)
{
    const RoutineTable& rules = RoutinesFor(start.Size);
    std::vector<int> moves;
    GamePosition p = start;
    for (int i = 0; i < plies && !p.GameOver; ++i) {
        std::vector<int> legal;
        for (int sq = 0; sq < BoardCells; ++sq)
            if (IsPlayableSquare(p.Size, sq)
                && rules.IsLegalMove(p.Cells, sq, p.SideToMove, OtherSideOf(p.SideToMove)))
                legal.push_back(sq);
        const int sq = legal[rng() % legal.size()];
        Board next = p.Cells;
        rules.MakeMove(next, sq, p.SideToMove, OtherSideOf(p.SideToMove));
        moves.push_back(sq); // a pass after it is the reader's to see
        p = PositionWithTurn(p.Size, next, p.SideToMove);
    }
    Result<WrittenGame> game = ReplayMoves(start, moves);
    EXPECT_TRUE(game) << MessageOf(game);
    return game ? std::move(game).Value() : WrittenGame {};
}

// A position a random game reaches, with Green to move (so that the game starts unusually).
GamePosition SetUpPosition(int size, std::mt19937& rng)
{
    for (;;) {
        PlayRandomGame(size, 10 + int(rng() % 30), rng);
        const GamePosition p = PositionToMove(size, BoardStack[0], SideToMove);
        if (!p.GameOver && p.SideToMove == SideGreen && CheckReachable(p))
            return p;
    }
}

void ExpectSameWrittenGame(const WrittenGame& a, const WrittenGame& b)
{
    EXPECT_EQ(a.Start.Size, b.Start.Size);
    EXPECT_EQ(a.Start.Cells, b.Start.Cells);
    EXPECT_EQ(a.Start.SideToMove, b.Start.SideToMove);
    ExpectSameGame(a.Record, b.Record);
}

} // namespace

TEST(Ggf, AGameFromASetUpPositionKeepsItsStartAndItsFirstMover)
{
    std::mt19937 rng(11);
    int withPasses = 0;
    for (const int size : { 8, 10 }) {
        for (int i = 0; i < 30; ++i) {
            const GamePosition start = SetUpPosition(size, rng);
            const WrittenGame game = RandomGameFrom(start, int(rng() % 40), rng);
            const std::vector<int> moves = MovesWithPasses(game);
            withPasses += std::count(moves.begin(), moves.end(), PassMove) > 0;
            if (!game.Record.Entries.empty()) {
                EXPECT_EQ(game.Record.Entries[0].MoverSide, SideGreen);
            }
            const std::string text = GgfOf(game);
            EXPECT_NE(text.find("BO[" + std::to_string(size) + " "
                          + SquaresOf(start.Cells, size, '*', 'O', true) + " O]"),
                std::string::npos)
                << text;
            const Result<WrittenGame> back = ReadGgf(text);
            ASSERT_TRUE(back) << MessageOf(back) << "\n" << text;
            ExpectSameWrittenGame(back.Value(), game);
            EXPECT_EQ(FinalBoardOf(back.Value()), FinalBoardOf(game));
            // The first move must be the side's due at the start.
            if (!game.Record.Entries.empty() && moves.front() != PassMove) {
                std::string wrong = text;
                const std::size_t first = wrong.find("W[", wrong.find("BO["));
                wrong[first] = 'B';
                const Result<WrittenGame> refused = ReadGgf(wrong);
                ASSERT_FALSE(refused);
                EXPECT_NE(refused.Failure().Message.find("move 1 "), std::string::npos)
                    << refused.Failure().Message;
            }
        }
    }
    EXPECT_GT(withPasses, 0);
}

TEST(GameFiles, APositionFileStartsAGameThatOnlyGgfAndPositionsCanKeep)
{
    TempDir dir;
    const std::string line = "O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X";
    WriteText(dir.File("p.obf"), "% one problem\n" + line + "; A2:+38;\n");
    const Result<LoadedGame> read = ReadGameFile(dir.File("p.obf"));
    ASSERT_TRUE(read) << read.Failure().Message;
    const WrittenGame& game = read.Value().Game;
    EXPECT_FALSE(read.Value().Settings);
    EXPECT_EQ(game.Record.Count, 0);
    EXPECT_EQ(game.Record.Size, 8);
    EXPECT_EQ(game.Start.Empties, 20);
    EXPECT_EQ(PositionLineOf(EndOf(game)), line);

    // GGF keeps the start, with or without moves after it.
    std::mt19937 rng(3);
    const WrittenGame played = RandomGameFrom(game.Start, 6, rng);
    for (const WrittenGame& g : { game, played }) {
        ASSERT_TRUE(WriteGameFile(dir.File("g.ggf"), g, {}));
        const Result<LoadedGame> back = ReadGameFile(dir.File("g.ggf"));
        ASSERT_TRUE(back) << back.Failure().Message;
        ExpectSameWrittenGame(back.Value().Game, g);
    }
    // A position file gets where the game has got to.
    ASSERT_TRUE(WriteGameFile(dir.File("end.obf"), played, {}));
    const Result<LoadedGame> end = ReadGameFile(dir.File("end.obf"));
    ASSERT_TRUE(end) << end.Failure().Message;
    EXPECT_EQ(end.Value().Game.Start.Cells, FinalBoardOf(played));
    EXPECT_EQ(end.Value().Game.Start.SideToMove, EndOf(played).SideToMove);

    // A transcript begins with the start's line and reads back as the same game; a saved game
    // begins at the usual start: it refuses, and writes nothing.
    for (const WrittenGame& g : { game, played }) {
        ASSERT_TRUE(WriteGameFile(dir.File("g.txt"), g, {}));
        const Result<LoadedGame> back = ReadGameFile(dir.File("g.txt"));
        ASSERT_TRUE(back) << back.Failure().Message;
        ExpectSameWrittenGame(back.Value().Game, g);
        const Result<WrittenGame> pasted
            = ReadGameText(PositionLineOf(g.Start) + "\n" + TranscriptOf(g.Record) + "\n");
        ASSERT_TRUE(pasted) << pasted.Failure().Message;
        ExpectSameWrittenGame(pasted.Value(), g);
    }
    const Status written = WriteGameFile(dir.File("g.kpx"), played, {});
    ASSERT_FALSE(written);
    EXPECT_EQ(written.Failure().Kind, ErrorKind::Unsupported);
    EXPECT_NE(written.Failure().Message.find("starts from a set-up position"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("g.kpx")));
    // A move the set-up position does not allow is refused with its number.
    const Result<WrittenGame> illegal = ReadGameText(line + "\nh8\n");
    ASSERT_FALSE(illegal);
    EXPECT_NE(illegal.Failure().Message.find("move 1"), std::string::npos)
        << illegal.Failure().Message;
    // A usual game written as positions reads back as its end.
    const OBoardTracker usual = RandomRecord(10, rng);
    ASSERT_TRUE(WriteGameFile(dir.File("u.obf"), usual, {}));
    const Result<LoadedGame> u = ReadGameFile(dir.File("u.obf"));
    ASSERT_TRUE(u) << u.Failure().Message;
    EXPECT_EQ(u.Value().Game.Start.Cells, FinalBoardOf(usual));

    // A bad line anywhere in the file refuses it, naming the line.
    WriteText(dir.File("bad.obf"), line + "\n" + line.substr(1) + "\n");
    const Result<LoadedGame> bad = ReadGameFile(dir.File("bad.obf"));
    ASSERT_FALSE(bad);
    EXPECT_EQ(
        bad.Failure().Message.rfind("bad.obf was not opened: line 2: it has 63 squares", 0), 0u)
        << bad.Failure().Message;
}

TEST(GameFiles, TheClipboardTellsAPositionFromATranscript)
{
    const std::string line = "O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X";
    const Result<WrittenGame> position = ReadGameText("  " + line + "; A2:+38;\n");
    ASSERT_TRUE(position) << MessageOf(position);
    EXPECT_EQ(PositionLineOf(position.Value().Start), line);
    EXPECT_EQ(position.Value().Record.Count, 0);
    const Result<WrittenGame> refused = ReadGameText(line.substr(0, 60) + " X");
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.Failure().Message.find("60 squares"), std::string::npos);
    const Result<WrittenGame> moves = ReadGameText("f5 d6\nc3");
    ASSERT_TRUE(moves) << MessageOf(moves);
    EXPECT_TRUE(IsUsualStart(moves.Value().Start));
    EXPECT_EQ(TranscriptOf(moves.Value().Record), "f5d6c3");
}
