// The user's settings as process-wide variables, with the values they have when no configuration
// file exists. The engine keeps its own (BoardSize, ComputerSide, OpponentIsComputer, Level,
// AdvancedEngine) and the sound player SoundOn; the rest live here.
#pragma once

#include <string>

extern int FigureSet; // 0 "Flame", 1 "Classic", 2 "Ancient"
extern bool AnimationOn;
extern bool UseTray;
extern bool ShowPreviousMove;
extern bool ShowAvailableMoves;
extern bool CallAsYellow;
extern bool CallOnEight;
extern int NetPort;
extern std::string NetService;
