// Defaults of the settings kept by the game window.
#include "Settings.h"

int FigureSet = 0;
bool AnimationOn = true;
bool UseTray = true;
bool ShowPreviousMove = true;
bool ShowAvailableMoves = true;
bool CallAsYellow = true;
bool CallOnEight = true;
int NetPort = 8173;
std::string NetService;
