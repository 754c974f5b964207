// Undo and redo over board 0, and the .kpx file with its validation.
#include "BoardTracker.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "RoutineTable.h"
#include "SafeFile.h"

std::unique_ptr<OBoardTracker> GameRecord = std::make_unique<OBoardTracker>();

void ResetGameRecord() { GameRecord = std::make_unique<OBoardTracker>(); }

OBoardTracker::OBoardTracker()
    : Size(BoardSize)
{
}

void OBoardTracker::Truncate()
{
    Count = Current;
    Entries.resize(Count);
}

void OBoardTracker::Push(int move, int mover, int opponent)
{
    Truncate();
    Entries.push_back(TTrackerEntry { move, mover, opponent, BoardStack[0] });
    Count = static_cast<std::int32_t>(Entries.size());
    Current = Count;
}

bool OBoardTracker::Undo()
{
    if (Current < 1)
        return false;
    --Current;
    const TTrackerEntry& e = Entries[Current];
    BoardStack[0] = e.Before;
    SideToMove = e.MoverSide;
    GameOver = false;
    return true;
}

bool OBoardTracker::Redo()
{
    if (Current >= Count)
        return false;
    const TTrackerEntry& e = Entries[Current];
    BoardStack[0] = e.Before;
    SideToMove = e.OtherSide;
    Routines.MakeMove(BoardStack[0], e.Move, e.MoverSide, e.OtherSide);
    ++Current;
    return true;
}

namespace {

constexpr std::uint8_t Signature[4] = { 0x30, 0x58, 0x50, 0x4B }; // "0XPK"
constexpr std::size_t HeaderBytes = 12;
constexpr std::size_t EntryBytes = 156;
constexpr std::size_t TrailerBytes = 5;

void PutInt(std::uint8_t* p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t GetInt(const std::uint8_t* p)
{
    const std::uint32_t u = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8
        | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    return static_cast<std::int32_t>(u);
}

FileResult Refuse(const std::string& why) { return { FileResult::Refused, why }; }

FileResult IoFailure(const std::string& what, const std::string& fileName)
{
    return { FileResult::IoError, what + " \"" + fileName + "\": " + std::strerror(errno) };
}

bool IsSidePair(std::int32_t a, std::int32_t b)
{
    return (a == SideYellow && b == SideGreen) || (a == SideGreen && b == SideYellow);
}

// Every cell of a Before board is what a position of this size can hold.
bool IsWellFormedBoard(const Board& b, int size)
{
    for (int i = 0; i < BoardCells; ++i) {
        const bool playable = IsPlayableSquare(size, i);
        if (playable ? (b[i] < CellEmpty || b[i] > CellGreen) : b[i] != CellBorder)
            return false;
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodeSavedGame(
    const OBoardTracker& record, const SavedGameSettings& settings)
{
    std::vector<std::uint8_t> out(HeaderBytes + EntryBytes * record.Entries.size() + TrailerBytes);
    std::uint8_t* p = out.data();
    std::memcpy(p, Signature, 4);
    PutInt(p + 4, record.Size);
    PutInt(p + 8, record.Count);
    p += HeaderBytes;
    for (const TTrackerEntry& e : record.Entries) {
        PutInt(p, e.Move);
        PutInt(p + 4, e.MoverSide);
        PutInt(p + 8, e.OtherSide);
        std::memcpy(p + 12, e.Before.data(), BoardCells);
        p += EntryBytes;
    }
    PutInt(p, settings.ComputerSide);
    p[4] = settings.OpponentIsComputer ? 1 : 0;
    return out;
}

FileResult DecodeSavedGame(
    const std::vector<std::uint8_t>& bytes, OBoardTracker& record, SavedGameSettings& settings)
{
    if (bytes.size() < 4)
        return Refuse("the file is too short to be a saved game");
    if (std::memcmp(bytes.data(), Signature, 4) != 0)
        return { FileResult::NotSavedGame, "" };
    if (bytes.size() < HeaderBytes + TrailerBytes)
        return Refuse("the file ends before its header is complete");

    const std::int32_t size = GetInt(&bytes[4]);
    const std::int32_t count = GetInt(&bytes[8]);
    if (size != 8 && size != 10)
        return Refuse("the board size " + std::to_string(size) + " is neither 8 nor 10");
    if (count < 0 || count > size * size)
        return Refuse("the move count " + std::to_string(count) + " is impossible");
    const std::size_t expected = HeaderBytes + EntryBytes * std::size_t(count) + TrailerBytes;
    if (bytes.size() != expected)
        return Refuse("the file holds " + std::to_string(bytes.size()) + " bytes where "
            + std::to_string(count) + " moves take " + std::to_string(expected));

    const RoutineTable& rules = RoutinesFor(size);
    std::vector<TTrackerEntry> entries(count);
    const std::uint8_t* p = &bytes[HeaderBytes];
    for (std::int32_t i = 0; i < count; ++i, p += EntryBytes) {
        TTrackerEntry& e = entries[i];
        e.Move = GetInt(p);
        e.MoverSide = GetInt(p + 4);
        e.OtherSide = GetInt(p + 8);
        std::memcpy(e.Before.data(), p + 12, BoardCells);
        const std::string where = "move " + std::to_string(i + 1);
        if (!IsPlayableSquare(size, e.Move))
            return Refuse(where + " is not a square of the board");
        if (!IsSidePair(e.MoverSide, e.OtherSide))
            return Refuse(where + " names impossible sides");
        if (!IsWellFormedBoard(e.Before, size))
            return Refuse("the board before " + where + " holds impossible cells");
        if (!rules.IsLegalMove(e.Before, e.Move, e.MoverSide, e.OtherSide))
            return Refuse(where + " is not a legal move");
        if (i > 0) {
            const TTrackerEntry& prev = entries[i - 1];
            Board after = prev.Before;
            rules.MakeMove(after, prev.Move, prev.MoverSide, prev.OtherSide);
            if (after != e.Before)
                return Refuse("the board before " + where + " does not follow from move "
                    + std::to_string(i));
        }
    }
    const std::int32_t computerSide = GetInt(p);
    const std::uint8_t opponentFlag = p[4];
    if (computerSide != SideYellow && computerSide != SideGreen)
        return Refuse(
            "the computer's side " + std::to_string(computerSide) + " is neither 2 nor 3");
    if (opponentFlag > 1)
        return Refuse("the opponent flag " + std::to_string(opponentFlag) + " is neither 0 nor 1");

    record.Size = size;
    record.Count = count;
    record.Entries = std::move(entries);
    record.Current = count;
    settings.ComputerSide = computerSide;
    settings.OpponentIsComputer = opponentFlag == 1;
    return {};
}

FileResult OBoardTracker::SaveToFile(const std::string& fileName) const
{
    const SavedGameSettings settings { ComputerSide, NetworkGame ? false : OpponentIsComputer };
    const std::vector<std::uint8_t> bytes = EncodeSavedGame(*this, settings);

    const std::string error = ReplaceFile(
        fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!error.empty())
        return { FileResult::IoError, error };
    return {};
}

FileResult OBoardTracker::LoadFromFile(const std::string& fileName)
{
    const int fd = open(fileName.c_str(), O_RDONLY);
    if (fd < 0)
        return IoFailure("Cannot open", fileName);
    struct stat st { };
    if (fstat(fd, &st) != 0) {
        const FileResult r = IoFailure("Cannot read", fileName);
        close(fd);
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return { FileResult::IoError, "\"" + fileName + "\" is not a regular file" };
    }
    // Read one byte more than any valid game can hold, to tell an oversized file from a full one.
    std::vector<std::uint8_t> bytes(MaxSavedGameBytes + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const FileResult r = IoFailure("Cannot read", fileName);
            close(fd);
            return r;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    close(fd);
    bytes.resize(got);
    if (got > MaxSavedGameBytes && std::memcmp(bytes.data(), Signature, 4) == 0)
        return Refuse("the file is too large to be a saved game");

    OBoardTracker loaded;
    SavedGameSettings settings;
    FileResult r = DecodeSavedGame(bytes, loaded, settings);
    if (!r)
        return r;
    *this = std::move(loaded);
    ComputerSide = settings.ComputerSide;
    OpponentIsComputer = settings.OpponentIsComputer;
    return r;
}
