// Games written as text the way Othello players write them: a transcript ("f5d6c3d3c4…") of the
// squares played, named as the board's border labels name them. Also the replay that checks a
// list of moves from the start position and turns it into a game record, which the GGF reader
// shares. Used by the game files (Save, Open, the clipboard) and corvana-cli.
//
// On 10 × 10 a square is its column letter and its row number without padding ("e4", "j10"), so
// squares take two or three characters; a reader tells them apart by the letters. A transcript
// names no board size: it is a 10 × 10 game when a square lies beyond 8 × 8 or when its moves are
// not legal on 8 × 8 (the first move already tells the two apart: d3, c4, f5 or e6 on 8 × 8, e4,
// d5, g6 or f7 on 10 × 10).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "BoardTracker.h"
#include "GamePosition.h"
#include "Result.h"

// A game as the text forms write it: where it starts (the usual start, or a position set up on
// the board with its side to move) and its checked moves. The record's first entry, if any, is
// played on Start; a record alone (the window's, a saved game's) starts as usual.
struct WrittenGame {
    GamePosition Start = UsualStart(8);
    OBoardTracker Record;
};

// A record of the usual start as a written game.
WrittenGame GameOfRecord(OBoardTracker record);
// A game that starts at start and has no move yet.
WrittenGame GameFromPosition(const GamePosition& start);

// The moves of a game in the order played, with PassMove where a side had to pass (found by
// replaying: a record stores only the squares played).
std::vector<int> MovesWithPasses(const WrittenGame& game);
std::vector<int> MovesWithPasses(const OBoardTracker& record);

// Plays moves (squares, PassMove for a written pass) from start and returns the game, its record
// positioned at its end. A side without a legal square passes by itself when the next move is
// the other side's. Refuses (Damaged) a move that is not legal, a pass where the side could play
// and a move after the end of the game, naming the move.
Result<WrittenGame> ReplayMoves(const GamePosition& start, const std::vector<int>& moves);
// The same, each move (or pass) also naming its side: a move by the side not due is refused.
Result<WrittenGame> ReplayMoves(
    const GamePosition& start, const std::vector<int>& moves, const std::vector<int>& movers);
// From the usual start of size.
Result<OBoardTracker> ReplayMoves(int size, const std::vector<int>& moves);
Result<OBoardTracker> ReplayMoves(
    int size, const std::vector<int>& moves, const std::vector<int>& movers);

// The disc counts after the game's last move and whether the game is over there.
struct FinalScore {
    int Yellow = 0;
    int Green = 0;
    bool Finished = false;
};
FinalScore FinalScoreOf(const WrittenGame& game);
FinalScore FinalScoreOf(const OBoardTracker& record);

// The board after the last move (the start when there is none).
Board FinalBoardOf(const WrittenGame& game);
Board FinalBoardOf(const OBoardTracker& record);

// Where the game has got to: the board after its last move and the side due there (the start
// position when there is no move).
GamePosition EndOf(const WrittenGame& game);

// A move as a transcript writes it: "f5", or "pass" for PassMove.
std::string MoveText(int size, int move);

// The record's moves as a transcript in lower case without separators, passes left out (every
// reader infers them): "f5d6c3".
std::string TranscriptOf(const OBoardTracker& record);

// Reads a transcript: squares in either case, separated or not by spaces, commas or line breaks;
// "pass" or "pa" may stand where a side passes. Refuses (Damaged) anything else, a square of
// neither board and an illegal move, saying which and where. An empty transcript is the start
// position of 8 × 8.
Result<OBoardTracker> ReadTranscript(std::string_view text);
// The moves of a transcript played from start (a set-up position), read as ReadTranscript reads
// them but on start's board only.
Result<WrittenGame> ReadTranscriptFrom(const GamePosition& start, std::string_view text);
