// Squares and games in the usual written notation: a column letter from the left and a row number
// counted from the bottom of the board as shown ("d3"), transcripts such as "f5d6c3d3c4", and the
// position and side to move they lead to. Used by corvana-cli (solve, match) and the tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Board.h"

class OBoardTracker;

namespace master {

// "e6" for square 53 on 8 x 8; "pass" for PassMove.
std::string SquareName(int size, int square);
// The square of a name such as "d3" or "J10" (any case); nullopt when it is not one of size.
std::optional<int> SquareFromName(int size, std::string_view name);

// The start position of a board size on a bordered board of its own (no global touched).
Board StartBoard(int size);

// A position with the side that moves next, passes applied: when the side due has no legal
// square the other one moves; when neither has, the game is over.
struct GamePosition {
    int Size = 8;
    Board Cells {};
    int SideToMove = SideYellow;
    bool GameOver = false;
    int Empties = 0;
};

// Hands the turn to the side due after mover played (or to mover again when the other must pass).
GamePosition PositionWithTurn(int size, const Board& cells, int mover);

// What reading a transcript or a saved game gave: the position, or why there is none.
struct [[nodiscard]] PositionResult {
    bool Ok = false;
    std::string Message; // when not Ok: what is wrong, and where
    GamePosition Position;
    std::vector<int> Moves; // the squares played, in order
    explicit operator bool() const { return Ok; }
};

// Plays a transcript from the start position of size: squares written one after another, with
// or without spaces or commas; a side without a legal square passes by itself, and "pass" may be
// written for it. Refuses unknown squares and illegal moves, naming the move.
PositionResult ReadTranscript(int size, std::string_view text);

// The final position of a game record (its start position when it has no moves).
PositionResult PositionOfRecord(const OBoardTracker& record);

} // namespace master
