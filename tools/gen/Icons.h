// Corvana's application icon (ICON_APP_16 .. ICON_APP_256, for the window, the tray and the
// desktop entry), the saved-game file type's icon (ICON_MIME_16 .. ICON_MIME_256, installed only)
// and the menu icons (ICON_NEW, ICON_HINT, ... at 16 × 16, with a 32 × 32 twin ICON_NEW_32, ...
// for high-density screens), as PNG files. The menus prefer the desktop theme's icons and fall
// back on these.
#pragma once

#include <vector>

#include "Generators.h"

// The sizes of the application icon.
constexpr int AppIconSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };
// The sizes of the saved-game icon, which file managers show beside .kpx files.
constexpr int MimeIconSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };

// The menu icons by name (the part after ICON_), in menu order.
constexpr const char* MenuIconNames[] = { "NEW", "OPEN", "SAVE", "UNDO", "REDO", "HINT", "SETTINGS",
    "CALL", "DISCONNECT", "MESSAGE", "HELP", "ABOUT", "EXIT" };

std::vector<GeneratedResource> GenerateIcons(const GeneratorContext& context);
