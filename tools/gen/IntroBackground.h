// The intro's background tile: a dark, seamless marble that the About window turns and zooms
// behind the mesh and the title.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

inline constexpr int BackgroundTileSize = 256;

// The tile as stored: 256 × 256 triplets in blue, green, red order, rows in picture order.
std::vector<std::uint8_t> MakeBackgroundTile();

// The stored tile as a picture.
QImage BackgroundTileImage(const std::vector<std::uint8_t>& tile);
