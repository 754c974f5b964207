// The named openings of the 8 × 8 game: which one a game follows, for the move list, the coach
// and corvana-cli show. The names and lines are those of standard opening theory.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "Notation.h"

struct NamedOpening {
    std::string_view Name;
    std::string_view Moves; // from the usual start, f5 first, squares separated by spaces
};

// Every named line, shortest names of a family first.
std::span<const NamedOpening> OpeningTable();

// The name of the longest line of the table that moves (squares from the usual 8 × 8 start, as
// played) begins with. A game may open with any of the four first moves: the board's symmetries
// that keep the start position turn it into the line that begins with f5. Nothing on 10 × 10, and
// nothing when no line fits.
std::optional<std::string_view> OpeningName(int size, const std::vector<int>& moves);

// The same for a written game: nothing for a game from a set-up position.
std::optional<std::string_view> OpeningNameOf(const WrittenGame& game);
