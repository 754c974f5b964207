// The Save and Open dialogs for games: the three file types, the folder last used and a name to
// start from. Used by the main window's "&Save..." and "&Open...".
#pragma once

#include <QString>
#include <string>

#include "GgfGame.h"

class QWidget;

// The file to save to, with the extension of the type chosen when the name had none of its own;
// empty when the user cancelled. Remembers the folder in the extras.
std::string AskSaveGameFile(QWidget* parent);
// The game file to open; empty when the user cancelled. Remembers the folder in the extras.
std::string AskOpenGameFile(QWidget* parent);

// Who played and when, for a GGF file: the computer by the program's name.
GgfDetails GgfDetailsNow();
