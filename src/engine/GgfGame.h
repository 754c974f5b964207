// Games in the Generic Game Format that Othello servers keep their games in:
// "(;GM[Othello]PB[..]PW[..]TY[8]BO[8 ...]B[f5]W[d6]...;)". Black is the first mover (Yellow
// here), White the second (Green); a pass is written "PA". Used by the game files and the
// clipboard.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "BoardTracker.h"
#include "Notation.h"
#include "Result.h"

// What a written game says beside its moves.
struct GgfDetails {
    std::string Place = "Corvana";
    std::string Date; // left out when empty
    std::string BlackName = "Yellow";
    std::string WhiteName = "Green";
    // A comment after each move of the record, in its order (a review's values); an empty one,
    // or one past the list's end, writes nothing. Written as C[...] after the move, which readers
    // (this one too) pass over.
    std::vector<std::string> MoveComments;
};

// The game as one GGF game: its start position and side to move (BO), every move with the passes
// between them with their comments, and the result (RE, from Black's side) when the game is over.
std::string GgfOf(const WrittenGame& game, const GgfDetails& details = {});
// A record from the usual start.
std::string GgfOf(const OBoardTracker& record, const GgfDetails& details = {});

// Reads the first game of a GGF text. Everything but the game's type, the board (BO) and the
// moves is passed over (names, times, comments, evaluations after a move's "/"). The board may
// be any position of 8 × 8 or 10 × 10 with either side to move. Refuses (Damaged) a text without
// a game, another game than Othello, a board that is not one or that no game can reach
// (CheckReachable), and any move that is not legal or not the side's due, saying which.
Result<WrittenGame> ReadGgf(std::string_view text);
