// What the harnesses share: the failure a broken property raises, a cursor that reads an input as
// a sequence of choices, and the comparison of two game records.
#pragma once

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "FuzzTargets.h"

class OBoardTracker;
struct WrittenGame;

// A property of a reader did not hold: a fault of the program, never of the input.
class FuzzFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline void Expect(bool holds, const std::string& what)
{
    if (!holds)
        throw FuzzFailure(what);
}

// Reads an input front to back; past its end every byte reads as zero, so any input is a whole
// script.
class FuzzCursor {
public:
    explicit FuzzCursor(FuzzBytes input)
        : Input(input)
    {
    }
    bool AtEnd() const { return At >= Input.size(); }
    std::uint8_t Byte() { return AtEnd() ? 0 : Input[At++]; }
    // Up to n bytes, fewer at the end.
    std::string_view Take(std::size_t n)
    {
        const std::size_t k = std::min(n, Input.size() - std::min(At, Input.size()));
        const std::string_view taken(reinterpret_cast<const char*>(Input.data()) + At, k);
        At += k;
        return taken;
    }
    std::string_view Rest() { return Take(Input.size()); }

private:
    FuzzBytes Input;
    std::size_t At = 0;
};

inline std::string_view AsText(FuzzBytes input)
{
    return { reinterpret_cast<const char*>(input.data()), input.size() };
}

// The same board size (when moves tell it) and the same entries: move, sides and board before.
bool SameGame(const OBoardTracker& a, const OBoardTracker& b);

// A record as a reader must hand it over: positioned at its end, every entry there.
void ExpectWholeRecord(const OBoardTracker& record, const char* reader);

// What every text reader's game must survive: written as a transcript, as GGF and as a saved game
// and read again, it is the same game.
void ExpectWritesBack(const OBoardTracker& record, const char* reader);

// The same start (board, size and side to move) and the same game from there.
bool SameGame(const WrittenGame& a, const WrittenGame& b);
// A game from any start: GGF keeps it and reads it back the same; from the usual start every
// other form must take it too (ExpectWritesBack).
void ExpectWritesBack(const WrittenGame& game, const char* reader);
