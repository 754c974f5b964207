// Undo and redo over board 0, and the .kpx file with its validation.
#include "BoardTracker.h"

#include <algorithm>
#include <cstring>

#include "GamePosition.h"
#include "Invariant.h"
#include "MoveRules.h"
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
    if (!Consistent())
        Current = std::clamp(Current, 0, std::int32_t(Entries.size()));
    Truncate();
    Entries.push_back(TTrackerEntry { move, mover, opponent, BoardStack[0] });
    Count = static_cast<std::int32_t>(Entries.size());
    Current = Count;
}

// The record's position lies inside it and every entry is there.
bool OBoardTracker::Consistent() const
{
    return CORVANA_INVARIANT(
        Current >= 0 && Current <= Count && Count == std::int32_t(Entries.size()),
        "the record's position lies inside it");
}

bool OBoardTracker::Undo()
{
    if (!Consistent() || Current < 1)
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
    if (!Consistent() || Current >= Count)
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

Error Refuse(Reason why) { return { ErrorKind::Damaged, std::move(why) }; }

// 9377 → "9,377": byte counts the user reads.
std::string Grouped(std::size_t n)
{
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

bool IsSidePair(std::int32_t a, std::int32_t b)
{
    return (a == SideYellow && b == SideGreen) || (a == SideGreen && b == SideYellow);
}

// A damaged saved game says so around the reason.
Error SavedGameNotOpened(const std::string& fileName, const Error& why)
{
    if (why.Kind != ErrorKind::Damaged)
        return ::NotOpened(fileName, why);
    return ::NotOpened(fileName,
        Error {
            why.Kind, Say(QT_TRANSLATE_NOOP("Reasons", "it is damaged (%1)"), { why.Said() }) });
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

Status DecodeSavedGame(
    const std::vector<std::uint8_t>& bytes, OBoardTracker& record, SavedGameSettings& settings)
{
    if (bytes.size() < 4)
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "it is too short to be a saved game")));
    if (std::memcmp(bytes.data(), Signature, 4) != 0)
        return Error { ErrorKind::NotOurs,
            Say(QT_TRANSLATE_NOOP("Reasons", "it is not a saved game")) };
    if (bytes.size() < HeaderBytes + TrailerBytes)
        return Refuse(Say(
            QT_TRANSLATE_NOOP("Reasons", "it ends after %1 bytes, before its header is complete"),
            { Plain(Grouped(bytes.size())) }));

    const std::int32_t size = GetInt(&bytes[4]);
    const std::int32_t count = GetInt(&bytes[8]);
    if (size != 8 && size != 10)
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "its board size %1 is neither 8 nor 10"),
            { Number(size) }));
    if (count < 0 || count > size * size)
        return Refuse(Say(
            QT_TRANSLATE_NOOP("Reasons", "its move count %1 is impossible"), { Number(count) }));
    const std::size_t expected = HeaderBytes + EntryBytes * std::size_t(count) + TrailerBytes;
    if (bytes.size() != expected)
        return Refuse(Say(bytes.size() < expected
                ? QT_TRANSLATE_NOOP("Reasons", "it ends after %1 bytes, %2 moves need %3")
                : QT_TRANSLATE_NOOP("Reasons", "it holds %1 bytes, %2 moves need %3"),
            { Plain(Grouped(bytes.size())), Number(count), Plain(Grouped(expected)) }));

    const RoutineTable& rules = RoutinesFor(size);
    std::vector<TTrackerEntry> entries(count);
    const std::uint8_t* p = &bytes[HeaderBytes];
    for (std::int32_t i = 0; i < count; ++i, p += EntryBytes) {
        TTrackerEntry& e = entries[i];
        e.Move = GetInt(p);
        e.MoverSide = GetInt(p + 4);
        e.OtherSide = GetInt(p + 8);
        std::memcpy(e.Before.data(), p + 12, BoardCells);
        const Reason where = Say(QT_TRANSLATE_NOOP("Reasons", "move %1"), { Number(i + 1) });
        if (!IsPlayableSquare(size, e.Move))
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "%1 is not a square of the board"), { where }));
        if (!IsSidePair(e.MoverSide, e.OtherSide))
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "%1 names impossible sides"), { where }));
        if (!IsWellFormedBoard(e.Before, size))
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "the board before %1 holds impossible cells"),
                    { where }));
        if (!CentreOccupied(e.Before, size))
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "the board before %1 has an empty centre square"),
                    { where }));
        if (i == 0 && e.Before != StartBoard(size))
            return Refuse(Say(
                QT_TRANSLATE_NOOP("Reasons", "the board before move 1 is not the start position")));
        if (!rules.IsLegalMove(e.Before, e.Move, e.MoverSide, e.OtherSide))
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "%1 is not a legal move"), { where }));
        // Yellow opens; after that the turn passes to the other side unless it has to pass.
        int toMove = SideYellow;
        if (i > 0) {
            const TTrackerEntry& prev = entries[i - 1];
            Board after = prev.Before;
            rules.MakeMove(after, prev.Move, prev.MoverSide, prev.OtherSide);
            if (after != e.Before)
                return Refuse(Say(QT_TRANSLATE_NOOP("Reasons",
                                      "the board before %1 does not follow from move %2"),
                    { where, Number(i) }));
            toMove = SideDue(size, e.Before, prev.OtherSide);
        }
        if (e.MoverSide != toMove)
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "%1 is played by %2 where %3 is to move"),
                    { where, SideReason(e.MoverSide), SideReason(toMove) }));
    }
    const std::int32_t computerSide = GetInt(p);
    const std::uint8_t opponentFlag = p[4];
    if (computerSide != SideYellow && computerSide != SideGreen)
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "its computer side %1 is neither 2 nor 3"),
            { Number(computerSide) }));
    if (opponentFlag > 1)
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "its opponent flag %1 is neither 0 nor 1"),
            { Number(opponentFlag) }));

    record.Size = size;
    record.Count = count;
    record.Entries = std::move(entries);
    record.Current = count;
    settings.ComputerSide = computerSide;
    settings.OpponentIsComputer = opponentFlag == 1;
    return {};
}

Status OBoardTracker::SaveToFile(const std::string& fileName) const
{
    return WriteSavedGameFile(
        fileName, *this, { ComputerSide, NetworkGame ? false : OpponentIsComputer });
}

Status WriteSavedGameFile(const std::string& fileName, const OBoardTracker& record,
    const SavedGameSettings& settings, WriteProtection protection)
{
    const std::vector<std::uint8_t> bytes = EncodeSavedGame(record, settings);
    return ReplaceFile(fileName,
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), protection);
}

Status ReadSavedGameFile(
    const std::string& fileName, OBoardTracker& record, SavedGameSettings& settings)
{
    // One byte more than any valid game can hold tells an oversized file from a full one.
    const Result<FileBytes> read = ReadFileBounded(fileName, MaxSavedGameBytes);
    if (!read)
        return SavedGameNotOpened(fileName, read.Failure());
    const std::vector<std::uint8_t> bytes(read.Value().Bytes.begin(), read.Value().Bytes.end());
    if (read.Value().Cut && bytes.size() >= 4 && std::memcmp(bytes.data(), Signature, 4) == 0)
        return SavedGameNotOpened(fileName,
            Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "it is too large to be a saved game"))));

    OBoardTracker loaded;
    SavedGameSettings loadedSettings;
    if (const Status decoded = DecodeSavedGame(bytes, loaded, loadedSettings); !decoded) {
        return SavedGameNotOpened(fileName, decoded.Failure());
    }
    record = std::move(loaded);
    settings = loadedSettings;
    return {};
}

Status OBoardTracker::LoadFromFile(const std::string& fileName)
{
    SavedGameSettings settings;
    if (Status read = ReadSavedGameFile(fileName, *this, settings); !read)
        return read;
    ComputerSide = settings.ComputerSide;
    OpponentIsComputer = settings.OpponentIsComputer;
    return {};
}
