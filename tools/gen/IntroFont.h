// The intro's bitmap font: one strip of glyphs for the characters of IntroAlphabet, drawn from
// DejaVu Sans Bold, laid out so that the renderer's column scan finds each glyph.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

// The strip as stored: GlyphStripWidth × GlyphStripHeight bytes, bottom row first, 255 for the
// background and lower values for stronger ink.
std::vector<std::uint8_t> MakeIntroFontStrip();

// The stored strip as a picture (ink dark on white, top row first), for previews.
QImage FontStripImage(const std::vector<std::uint8_t>& strip);
