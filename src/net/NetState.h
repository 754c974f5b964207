// What the network side and the game session share about a network game: the agreed colour and
// board size, the last move received, and whether a peer connection is in use.
#pragma once

extern bool NetLocalGreen; // the local player plays Green (false: Yellow)
extern bool NetSize10; // the agreed board is 10 × 10 (false: 8 × 8)
extern int RemoteMoveCol;
extern int RemoteMoveRow;
extern bool RemoteMovePending; // a move message has arrived since the network game started
extern bool NetConnected; // a peer connection is in use
