// What the network side and the game session share about a network game: the agreed colour and
// board size, the last move received, whether a peer connection is in use, and what the request
// dialog shows of an incoming call.
#pragma once

#include <string>

extern bool NetLocalGreen; // the local player plays Green (false: Yellow)
extern bool NetSize10; // the agreed board is 10 × 10 (false: 8 × 8)
extern int RemoteMoveCol;
extern int RemoteMoveRow;
extern bool RemoteMovePending; // a move message has arrived since the network game started
extern bool NetConnected; // a peer connection is in use

// The incoming call as the request dialog shows it (UTF-8): the caller's computer name, the colour
// the callee will play ("Green" or "Yellow") and the proposed size ("8 x 8" or "10 x 10").
extern std::string CallerName;
extern std::string CallerColourText;
extern std::string CallerSizeText;

// How long a connection accepted while idle may take to send its call before it is closed
// (milliseconds; tests shorten it).
extern int NetHandshakeTimeoutMs;
