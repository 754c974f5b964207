// The glyph table of the intro's bitmap font, found by scanning the glyph strip for runs of ink
// columns. Used by the intro renderer to draw text and by the generator's checks of the strip.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "Result.h"

inline constexpr int GlyphStripWidth = 2820;
inline constexpr int GlyphStripHeight = 20;
inline constexpr std::uint8_t GlyphStripBlank = 255; // background byte of the strip as stored

// One glyph: its first ink column in the strip, the blank column that ends it, and the width the
// pen advances (ink plus that blank column).
struct TGlyphEntry {
    std::int32_t First = 0;
    std::int32_t End = 0;
    std::int32_t Width = 0;
};

using TGlyphTable = std::array<TGlyphEntry, 256>;

struct TGlyphScan {
    TGlyphTable Table {};
    int Found = 0; // glyphs found left to right: entries 1..Found
};

// Scans a strip of GlyphStripWidth × GlyphStripHeight bytes as stored (255 = background, any row
// order). Entry 0 is the fixed 6-column blank; entries 1..148 follow the ink runs left to right,
// and a search that finds nothing gives column 0 (entries after such a failure hold whatever the
// restarted search finds). A strip of the wrong size is refused (SizeMismatch).
Result<TGlyphScan> ScanGlyphs(std::span<const std::uint8_t> strip);
