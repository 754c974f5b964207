// The intro's foreground: the game's title, which the renderer paints in ivory with a drop
// shadow over the moving background and the mesh.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "Intro.h"

inline constexpr int IntroScrollRows = 35; // bottom rows kept free for the scrolling text

// The picture as stored: 380 × 260 bytes, bottom row first, 255 transparent and lower values
// stronger ink.
std::vector<std::uint8_t> MakeTitlePicture();

// Ink strength (0 none .. 255 full) of a stored one-byte picture, top row first, for previews.
QImage InkImage(const std::vector<std::uint8_t>& stored, int width, int height);
