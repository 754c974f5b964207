// The shared network game state, cleared as at start-up.
#include "NetState.h"

bool NetLocalGreen = false;
bool NetSize10 = false;
int RemoteMoveCol = 0;
int RemoteMoveRow = 0;
bool RemoteMovePending = false;
bool NetConnected = false;

std::string CallerName = "NO_NAME";
std::string CallerColourText = "???";
std::string CallerSizeText = "???";
int NetHandshakeTimeoutMs = 10000;
