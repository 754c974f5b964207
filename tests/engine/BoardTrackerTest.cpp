// The game record: undo, redo and push over board 0, and the saved-game file with every kind of
// refusal. A refused file must change nothing: not the record, not the settings it carries.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <unistd.h>

#include "BoardTracker.h"
#include "EngineTestSupport.h"
#include "GameFlow.h"
#include "MoveRules.h"
#include "RoutineTable.h"

namespace fs = std::filesystem;

namespace {

// Plays squares on board 0 the way the controller does: Push, then MakeMove, then hand the turn on
// (passing back when the other side cannot move).
void Play(const std::vector<int>& squares)
{
    for (int sq : squares) {
        if (!Routines.IsLegalMove(BoardStack[0], sq, SideToMove, Opponent()))
            SideToMove = Opponent();
        ASSERT_TRUE(Routines.IsLegalMove(BoardStack[0], sq, SideToMove, Opponent())) << sq;
        GameRecord->Push(sq, SideToMove, Opponent());
        Routines.MakeMove(BoardStack[0], sq, SideToMove, Opponent());
        SideToMove = Opponent();
    }
}

class TempDir {
public:
    TempDir()
    {
        Path = fs::temp_directory_path()
            / ("corvana-test-" + std::to_string(::getpid()) + "-" + std::to_string(Counter++));
        fs::create_directories(Path);
    }
    ~TempDir() { fs::remove_all(Path); }
    std::string File(const std::string& name) const { return (Path / name).string(); }

private:
    static inline int Counter = 0;
    fs::path Path;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void PutInt(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// A snapshot of everything a load may change.
struct LoadState {
    std::int32_t Count, Current, Size;
    std::vector<std::int32_t> Moves;
    int ComputerSide;
    bool OpponentIsComputer;
    bool operator==(const LoadState&) const = default;
};

LoadState Snapshot()
{
    LoadState s { GameRecord->Count, GameRecord->Current, GameRecord->Size, {}, ComputerSide,
        OpponentIsComputer };
    for (const TTrackerEntry& e : GameRecord->Entries)
        s.Moves.push_back(e.Move);
    return s;
}

} // namespace

TEST(GameRecord, UndoRedoAndPush)
{
    BoardSize = 8;
    NewGame();
    const Board start = BoardStack[0];
    EXPECT_FALSE(GameRecord->Undo());
    EXPECT_FALSE(GameRecord->Redo());

    Play({ 53, 43, 34 });
    const Board afterThree = BoardStack[0];
    ASSERT_EQ(GameRecord->Count, 3);
    ASSERT_EQ(GameRecord->Current, 3);
    EXPECT_FALSE(GameRecord->Redo());

    GameOver = true;
    ASSERT_TRUE(GameRecord->Undo());
    EXPECT_FALSE(GameOver);
    EXPECT_EQ(SideToMove, SideYellow); // the side that played the undone move
    EXPECT_EQ(GameRecord->Current, 2);

    ASSERT_TRUE(GameRecord->Redo());
    EXPECT_EQ(BoardStack[0], afterThree);
    EXPECT_EQ(SideToMove, SideGreen); // the other side of the redone move
    EXPECT_EQ(GameRecord->Current, 3);

    while (GameRecord->Undo()) { }
    EXPECT_EQ(BoardStack[0], start);
    EXPECT_EQ(SideToMove, SideYellow);
    EXPECT_EQ(GameRecord->Current, 0);
    EXPECT_EQ(GameRecord->Count, 3);

    // Pushing after undos forgets the moves that could have been redone.
    ASSERT_TRUE(GameRecord->Redo());
    const std::vector<int> replies = LegalSquares(SideGreen);
    const int reply = replies.at(0) == 43 ? replies.at(1) : replies.at(0);
    Play({ reply });
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(GameRecord->Current, 2);
    EXPECT_EQ(GameRecord->Entries.back().Move, reply);
    EXPECT_EQ(GameRecord->Entries.back().MoverSide, SideGreen);
    EXPECT_EQ(GameRecord->Entries.back().OtherSide, SideYellow);
}

TEST(GameRecord, TheFileImageIsTheDocumentedLayout)
{
    BoardSize = 10;
    NewGame();
    Play({ 54 });
    const std::vector<std::uint8_t> bytes = EncodeSavedGame(*GameRecord, { SideYellow, true });
    ASSERT_EQ(bytes.size(), 17u + 156u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "0XPK");
    EXPECT_EQ(bytes[4], 10);
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[12], 54);
    EXPECT_EQ(bytes[16], SideYellow);
    EXPECT_EQ(bytes[20], SideGreen);
    EXPECT_EQ(bytes[24 + 65], CellYellow); // Before board, cell 65
    EXPECT_EQ(bytes[24 + 143], CellBorder);
    EXPECT_EQ(bytes[168], SideYellow);
    EXPECT_EQ(bytes[172], 1);
}

TEST(GameRecord, SaveAndLoadRoundTrip)
{
    TempDir dir;
    std::mt19937 rng(99);
    for (int size : { 8, 10 }) {
        const std::vector<int> squares = PlayRandomGame(size, 40, rng);
        NewGame();
        Play(squares);
        GameRecord->Undo();
        GameRecord->Undo(); // entries after Current are saved too
        ComputerSide = SideYellow;
        OpponentIsComputer = true;
        NetworkGame = false;
        const std::string file = dir.File("game" + std::to_string(size) + ".kpx");
        ASSERT_TRUE(GameRecord->SaveToFile(file));
        EXPECT_EQ(fs::file_size(file), 17u + 156u * squares.size());

        const std::vector<TTrackerEntry> saved = GameRecord->Entries;
        ComputerSide = SideGreen;
        OpponentIsComputer = false;
        BoardSize = 8;
        NewGame();
        const Status r = GameRecord->LoadFromFile(file);
        ASSERT_TRUE(r) << r.Failure().Message;
        EXPECT_EQ(GameRecord->Size, size);
        EXPECT_EQ(GameRecord->Count, int(squares.size()));
        EXPECT_EQ(GameRecord->Current, GameRecord->Count);
        EXPECT_EQ(ComputerSide, SideYellow);
        EXPECT_TRUE(OpponentIsComputer);
        ASSERT_EQ(GameRecord->Entries.size(), saved.size());
        for (std::size_t i = 0; i < saved.size(); ++i) {
            EXPECT_EQ(GameRecord->Entries[i].Move, saved[i].Move);
            EXPECT_EQ(GameRecord->Entries[i].Before, saved[i].Before);
        }
        // The controller switches size and replays from the first position.
        BoardSize = size;
        SelectRoutines();
        while (GameRecord->Undo()) { }
        int redone = 0;
        while (GameRecord->Redo())
            ++redone;
        EXPECT_EQ(redone, int(squares.size()));
    }
}

TEST(GameRecord, EmptyRecordAndNetworkGameFiles)
{
    TempDir dir;
    BoardSize = 8;
    NewGame();
    OpponentIsComputer = true;
    NetworkGame = true;
    const std::string empty = dir.File("empty.kpx");
    ASSERT_TRUE(GameRecord->SaveToFile(empty));
    EXPECT_EQ(fs::file_size(empty), 17u);
    EXPECT_EQ(ReadBytes(empty).back(), 0); // a network game loads as two players at one machine

    Play({ 53, 43 });
    NetworkGame = false;
    const Board before = BoardStack[0];
    const int side = SideToMove;
    ASSERT_TRUE(GameRecord->LoadFromFile(empty));
    EXPECT_EQ(GameRecord->Count, 0);
    EXPECT_EQ(GameRecord->Current, 0);
    EXPECT_FALSE(OpponentIsComputer);
    EXPECT_FALSE(GameRecord->Undo());
    EXPECT_EQ(BoardStack[0], before);
    EXPECT_EQ(SideToMove, side);
}

TEST(GameRecord, SavingNeverDestroysAnExistingFileOnFailure)
{
    TempDir dir;
    BoardSize = 8;
    NewGame();
    Play({ 53 });
    // A folder that does not exist: an error with the system's reason, not a success.
    const Status missing = GameRecord->SaveToFile(dir.File("no/such/folder/game.kpx"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Failure().Kind, ErrorKind::Io);
    EXPECT_NE(missing.Failure().Message.find("No such file"), std::string::npos)
        << missing.Failure().Message;

    // Overwriting replaces the whole file and leaves no temporary behind.
    const std::string file = dir.File("game.kpx");
    WriteBytes(file, std::vector<std::uint8_t>(5000, 0xAB));
    ASSERT_TRUE(GameRecord->SaveToFile(file));
    EXPECT_EQ(fs::file_size(file), 17u + 156u);
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.File("")))
        ++files;
    EXPECT_EQ(files, 1);

    if (::geteuid() != 0) { // root writes anywhere
        fs::permissions(dir.File(""), fs::perms::owner_read | fs::perms::owner_exec);
        const std::vector<std::uint8_t> old = ReadBytes(file);
        const Status refused = GameRecord->SaveToFile(file);
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.Failure().Kind, ErrorKind::Io);
        EXPECT_EQ(ReadBytes(file), old);
        fs::permissions(dir.File(""), fs::perms::owner_all);
    }
}

TEST(GameRecord, RefusedFilesChangeNothing)
{
    TempDir dir;
    std::mt19937 rng(5);
    const std::vector<int> squares = PlayRandomGame(8, 12, rng);
    NewGame();
    Play(squares);
    const std::vector<std::uint8_t> valid = EncodeSavedGame(*GameRecord, { SideGreen, true });

    // The current game the refusals must leave alone.
    BoardSize = 10;
    NewGame();
    Play({ 54 });
    Play({ LegalSquares(SideGreen).at(0) });
    ComputerSide = SideYellow;
    OpponentIsComputer = false;
    const LoadState state = Snapshot();

    struct Case {
        const char* What;
        std::function<void(std::vector<std::uint8_t>&)> Mutate;
        ErrorKind Expected;
    };
    const std::size_t entry0 = 12, entry1 = 12 + 156, trailer = valid.size() - 5;
    const std::vector<Case> cases = {
        { "letters in another order", [](auto& b) { std::swap(b[0], b[1]); }, ErrorKind::NotOurs },
        { "other signature", [](auto& b) { b[3] = 'X'; }, ErrorKind::NotOurs },
        { "too short for a signature", [](auto& b) { b.resize(3); }, ErrorKind::Damaged },
        { "size 9", [](auto& b) { PutInt(b, 4, 9); }, ErrorKind::Damaged },
        { "negative count", [](auto& b) { PutInt(b, 8, -1); }, ErrorKind::Damaged },
        { "count larger than the file", [](auto& b) { PutInt(b, 8, 13); }, ErrorKind::Damaged },
        { "count smaller than the file", [](auto& b) { PutInt(b, 8, 11); }, ErrorKind::Damaged },
        { "huge count", [](auto& b) { PutInt(b, 8, 0x7FFFFFFF); }, ErrorKind::Damaged },
        { "truncated trailer", [](auto& b) { b.pop_back(); }, ErrorKind::Damaged },
        { "extra byte", [](auto& b) { b.push_back(0); }, ErrorKind::Damaged },
        { "move on the border", [=](auto& b) { PutInt(b, entry0, 19); }, ErrorKind::Damaged },
        { "move far away", [=](auto& b) { PutInt(b, entry0, 100000); }, ErrorKind::Damaged },
        { "pass recorded as a move", [=](auto& b) { PutInt(b, entry0, PassMove); },
            ErrorKind::Damaged },
        { "same side twice", [=](auto& b) { PutInt(b, entry0 + 8, SideYellow); },
            ErrorKind::Damaged },
        { "unknown side", [=](auto& b) { PutInt(b, entry0 + 4, 7); }, ErrorKind::Damaged },
        { "border cell not border", [=](auto& b) { b[entry0 + 12 + 0] = CellEmpty; },
            ErrorKind::Damaged },
        { "border beyond the 8x8 frame", [=](auto& b) { b[entry0 + 12 + 120] = CellYellow; },
            ErrorKind::Damaged },
        { "playable cell holds border", [=](auto& b) { b[entry1 + 12 + 11] = CellBorder; },
            ErrorKind::Damaged },
        { "playable cell holds 9", [=](auto& b) { b[entry0 + 12 + 11] = 9; }, ErrorKind::Damaged },
        { "illegal move", [=](auto& b) { PutInt(b, entry0, 11); }, ErrorKind::Damaged },
        { "broken chain",
            [=](auto& b) {
                b[entry1 + 12 + 44] = b[entry1 + 12 + 44] == CellYellow ? CellGreen : CellYellow;
            },
            ErrorKind::Damaged },
        { "empty centre square",
            [=](auto& b) { b[entry1 + 12 + 44] = b[entry1 + 12 + 55] = CellEmpty; },
            ErrorKind::Damaged },
        { "first board not the start position", [=](auto& b) { b[entry0 + 12 + 11] = CellGreen; },
            ErrorKind::Damaged },
        { "computer side 4", [=](auto& b) { PutInt(b, trailer, 4); }, ErrorKind::Damaged },
        { "opponent flag 2", [=](auto& b) { b[trailer + 4] = 2; }, ErrorKind::Damaged },
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = valid;
        c.Mutate(bytes);
        const std::string file = dir.File("bad.kpx");
        WriteBytes(file, bytes);
        const Status r = GameRecord->LoadFromFile(file);
        if (r) {
            ADD_FAILURE() << c.What << ": loaded";
        } else {
            EXPECT_EQ(r.Failure().Kind, c.Expected) << c.What << ": " << r.Failure().Message;
            EXPECT_EQ(r.Failure().Message.rfind("bad.kpx was not opened: it is ", 0), 0u)
                << c.What << ": " << r.Failure().Message;
        }
        EXPECT_EQ(Snapshot(), state) << c.What;
    }

    EXPECT_EQ(
        GameRecord->LoadFromFile(dir.File("missing.kpx")).Failure().Kind, ErrorKind::NotFound);
    EXPECT_EQ(
        GameRecord->LoadFromFile(dir.File("")).Failure().Kind, ErrorKind::NotAFile); // a folder
    WriteBytes(dir.File("large.kpx"), std::vector<std::uint8_t>(MaxSavedGameBytes + 10, 0x30));
    EXPECT_EQ(GameRecord->LoadFromFile(dir.File("large.kpx")).Failure().Kind, ErrorKind::NotOurs);
    std::vector<std::uint8_t> large = valid;
    large.resize(MaxSavedGameBytes + 10);
    WriteBytes(dir.File("large.kpx"), large);
    EXPECT_EQ(GameRecord->LoadFromFile(dir.File("large.kpx")).Failure(),
        (Error { ErrorKind::Damaged,
            "large.kpx was not opened: it is damaged (it is too large to be a saved game)" }));
    EXPECT_EQ(Snapshot(), state);

    // And the untouched file still loads.
    WriteBytes(dir.File("good.kpx"), valid);
    EXPECT_TRUE(GameRecord->LoadFromFile(dir.File("good.kpx")));
}

// A game that is consistent in itself but begins where no real game can (the centre empty): the
// search never looks at the centre squares, so such a game once made the window pass forever.
TEST(GameRecord, AGameThatCannotHaveBeenPlayedIsRefused)
{
    TempDir dir;
    BoardSize = 8;
    NewGame();
    Board odd = BoardStack[0];
    for (const int sq : { 44, 45, 54, 55 })
        odd[sq] = CellEmpty;
    odd[42] = CellYellow; // D7 Yellow, D6 Green: Yellow closes the line on the centre square D5
    odd[43] = CellGreen;
    ASSERT_TRUE(Routines.IsLegalMove(odd, 44, SideYellow, SideGreen));
    OBoardTracker crafted;
    crafted.Entries.push_back({ 44, SideYellow, SideGreen, odd });
    crafted.Count = crafted.Current = 1;
    crafted.Size = 8;
    WriteBytes(dir.File("odd.kpx"), EncodeSavedGame(crafted, { SideGreen, true }));
    const Status r = GameRecord->LoadFromFile(dir.File("odd.kpx"));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Failure().Kind, ErrorKind::Damaged);
    EXPECT_EQ(r.Failure().Message,
        "odd.kpx was not opened: it is damaged (the board before move 1 has an empty centre "
        "square)");
}

// A game whose entries do not take turns as the rules do cannot have been played here, and its
// transcript would be refused: the saved game is refused too. Real passes are accepted.
TEST(GameRecord, AMoveOutOfTurnIsRefusedAndARealPassIsNot)
{
    BoardSize = 8;
    NewGame();
    auto refusal = [](const OBoardTracker& record) {
        OBoardTracker into;
        SavedGameSettings settings;
        const Status s
            = DecodeSavedGame(EncodeSavedGame(record, { SideGreen, true }), into, settings);
        return s ? std::string("accepted") : s.Failure().Message;
    };
    // Yellow plays f5 (53), then again while Green can answer.
    OBoardTracker twice;
    Board b = StartBoard(8);
    twice.Entries.push_back({ 53, SideYellow, SideGreen, b });
    Routines.MakeMove(b, 53, SideYellow, SideGreen);
    int again = 0;
    for (int sq = 11; sq <= 88 && !again; ++sq)
        if (IsPlayableSquare(8, sq) && Routines.IsLegalMove(b, sq, SideYellow, SideGreen))
            again = sq;
    ASSERT_NE(again, 0);
    twice.Entries.push_back({ again, SideYellow, SideGreen, b });
    twice.Count = twice.Current = 2;
    EXPECT_EQ(refusal(twice), "move 2 is played by Yellow where Green is to move");

    // Green cannot open the game either, though its move would be legal.
    OBoardTracker greenFirst;
    ASSERT_TRUE(Routines.IsLegalMove(StartBoard(8), 43, SideGreen, SideYellow));
    greenFirst.Entries.push_back({ 43, SideGreen, SideYellow, StartBoard(8) });
    greenFirst.Count = greenFirst.Current = 1;
    EXPECT_EQ(refusal(greenFirst), "move 1 is played by Green where Yellow is to move");

    // Whole random games of both sizes, passes and all, are still taken.
    std::mt19937 rng(4);
    int withPass = 0;
    for (int game = 0; game < 300; ++game) {
        const int size = game % 2 ? 10 : 8;
        const std::vector<int> squares = PlayRandomGame(size, size * size, rng);
        NewGame();
        Play(squares);
        for (std::size_t i = 1; i < GameRecord->Entries.size(); ++i)
            withPass += GameRecord->Entries[i].MoverSide == GameRecord->Entries[i - 1].MoverSide;
        ASSERT_EQ(refusal(*GameRecord), "accepted") << game;
    }
    EXPECT_GT(withPass, 0);
    BoardSize = 8;
    NewGame();
}

// What the user reads names the file, says it was not opened and why, in plain words.
TEST(GameRecord, RefusalsNameTheFileInPlainWords)
{
    TempDir dir;
    std::mt19937 rng(9);
    const std::vector<int> squares = PlayRandomGame(8, 60, rng);
    NewGame();
    Play(squares);
    std::vector<std::uint8_t> bytes = EncodeSavedGame(*GameRecord, { SideGreen, true });
    ASSERT_EQ(GameRecord->Count, 60);
    bytes.resize(200);
    WriteBytes(dir.File("game.kpx"), bytes);
    EXPECT_EQ(GameRecord->LoadFromFile(dir.File("game.kpx")).Failure().Message,
        "game.kpx was not opened: it is damaged (it ends after 200 bytes, 60 moves need 9,377)");

    EXPECT_EQ(GameRecord->LoadFromFile(dir.File("gone.kpx")).Failure(),
        (Error { ErrorKind::NotFound, "gone.kpx was not opened: it does not exist" }));
}

// Thousands of random corruptions of valid files: the loader never crashes, and either takes the
// whole file (then the record is a consistent game) or changes nothing.
TEST(GameRecord, RandomlyCorruptedFilesNeverHalfLoad)
{
    std::mt19937 rng(424242);
    std::vector<std::vector<std::uint8_t>> seeds;
    for (int size : { 8, 10 }) {
        for (int plies : { 0, 1, 10, 60 }) {
            const std::vector<int> squares = PlayRandomGame(size, plies, rng);
            NewGame();
            Play(squares);
            seeds.push_back(EncodeSavedGame(*GameRecord, { SideGreen, true }));
        }
    }
    int accepted = 0;
    for (int i = 0; i < 6000; ++i) {
        std::vector<std::uint8_t> bytes = seeds[rng() % seeds.size()];
        const int edits = 1 + int(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            switch (rng() % 5) {
            case 0: // flip a byte
                if (!bytes.empty())
                    bytes[rng() % bytes.size()] ^= std::uint8_t(1 + rng() % 255);
                break;
            case 1: // truncate
                bytes.resize(rng() % (bytes.size() + 1));
                break;
            case 2: // append junk
                bytes.push_back(std::uint8_t(rng()));
                break;
            case 3: // small integer in a field
                if (bytes.size() >= 4)
                    PutInt(bytes, rng() % (bytes.size() - 3), int(rng() % 300) - 20);
                break;
            default: // a cell changed to another cell code
                if (!bytes.empty())
                    bytes[rng() % bytes.size()] = std::uint8_t(rng() % 4);
                break;
            }
        }
        OBoardTracker record;
        record.Push(53, SideYellow, SideGreen);
        const OBoardTracker untouched = record;
        SavedGameSettings settings { SideYellow, false };
        const Status r = DecodeSavedGame(bytes, record, settings);
        if (!r) {
            EXPECT_EQ(record.Count, untouched.Count);
            EXPECT_EQ(record.Current, untouched.Current);
            EXPECT_EQ(record.Entries.size(), untouched.Entries.size());
            EXPECT_EQ(settings.ComputerSide, SideYellow);
            EXPECT_FALSE(settings.OpponentIsComputer);
            continue;
        }
        ++accepted;
        ASSERT_EQ(int(record.Entries.size()), record.Count);
        ASSERT_EQ(record.Current, record.Count);
        // A loaded record replays: every move is legal where it stands.
        const RoutineTable& rules = RoutinesFor(record.Size);
        for (const TTrackerEntry& e : record.Entries)
            ASSERT_TRUE(rules.IsLegalMove(e.Before, e.Move, e.MoverSide, e.OtherSide));
    }
    // Some corruptions are harmless (for example the opponent flag flipped between 0 and 1).
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, 6000);
}
