// The intro's pictures as the About window reads them: the brightness ramp, the seamless
// background tile, the glyph strip that the column scan splits into the alphabet's glyphs, and
// the title picture with its free band for the scrolling text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "GeneratedFiles.h"
#include "IntroGlyphs.h"
#include "IntroText.h"

namespace {

TEST(IntroGradient, RisesFromEightTo255)
{
    const std::vector<std::uint8_t> ramp = Generated("INTRO_GRAD");
    ASSERT_EQ(ramp.size(), 256u);
    EXPECT_EQ(ramp.front(), 8);
    EXPECT_EQ(ramp.back(), 255);
    EXPECT_TRUE(std::is_sorted(ramp.begin(), ramp.end()));
    // Faces lit at a glancing angle still get a visible shade, not the floor value.
    EXPECT_GT(ramp[32], 64);
}

// The background tile, 256 × 256 triplets (blue, green, red).
struct TTile {
    std::vector<std::uint8_t> Bytes = Generated("INTRO_BACKFON");
    int At(int x, int y, int channel) const
    {
        return Bytes[(std::size_t(y & 255) * 256 + std::size_t(x & 255)) * 3
            + std::size_t(channel)];
    }
    // Mean absolute difference between column x and the column to its right (wrapping).
    double ColumnStep(int x) const
    {
        double sum = 0;
        for (int y = 0; y < 256; ++y)
            for (int c = 0; c < 3; ++c)
                sum += std::abs(At(x, y, c) - At(x + 1, y, c));
        return sum / (256 * 3);
    }
    double RowStep(int y) const
    {
        double sum = 0;
        for (int x = 0; x < 256; ++x)
            for (int c = 0; c < 3; ++c)
                sum += std::abs(At(x, y, c) - At(x, y + 1, c));
        return sum / (256 * 3);
    }
};

TEST(IntroBackground, TilesWithoutSeams)
{
    const TTile tile;
    ASSERT_EQ(tile.Bytes.size(), 256u * 256 * 3);
    // Across the wrap the picture changes no more than between neighbouring columns inside.
    double inside = 0;
    for (int i = 0; i < 255; ++i)
        inside = std::max({ inside, tile.ColumnStep(i), tile.RowStep(i) });
    EXPECT_LE(tile.ColumnStep(255), inside);
    EXPECT_LE(tile.RowStep(255), inside);
    EXPECT_LT(inside, 6.0) << "the tile is sampled unfiltered while turning: no hard detail";
}

TEST(IntroBackground, IsDarkEnoughForTheIvoryTitle)
{
    const TTile tile;
    double luminance = 0;
    int brightest = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const int l = (tile.At(x, y, 2) * 3 + tile.At(x, y, 1) * 6 + tile.At(x, y, 0)) / 10;
            luminance += l;
            brightest = std::max(brightest, l);
        }
    luminance /= 256 * 256;
    EXPECT_GT(luminance, 12.0); // not black: the turning background must show
    EXPECT_LT(luminance, 70.0);
    EXPECT_LT(brightest, 160);
}

// The glyph strip as stored (bottom row first) with helpers over a glyph's columns.
struct TStrip {
    std::vector<std::uint8_t> Bytes = Generated("INTRO_FONTIM");
    // A strip of the wrong size throws here, failing the test that reads it.
    TGlyphScan Scan = ScanGlyphs(Bytes).Value();

    bool Ink(int column, int storedRow) const
    {
        return Bytes[std::size_t(storedRow) * GlyphStripWidth + std::size_t(column)] < 128;
    }
    const TGlyphEntry& Glyph(char32_t c) const { return Scan.Table[IntroAlphabetUnicode.find(c)]; }
    // Stored rows (0 = bottom) holding clear ink in glyph c.
    std::pair<int, int> InkRows(char32_t c) const
    {
        int low = GlyphStripHeight, high = -1;
        const TGlyphEntry& g = Glyph(c);
        for (int x = g.First; x < g.End; ++x)
            for (int r = 0; r < GlyphStripHeight; ++r)
                if (Ink(x, r)) {
                    low = std::min(low, r);
                    high = std::max(high, r);
                }
        return { low, high };
    }
};

TEST(IntroFont, ScanFindsEveryGlyphOfTheAlphabet)
{
    const TStrip strip;
    ASSERT_EQ(strip.Bytes.size(), std::size_t(GlyphStripWidth) * GlyphStripHeight);
    EXPECT_EQ(strip.Scan.Found, 147);
    for (std::size_t g = 1; g < IntroAlphabetSize; ++g) {
        const TGlyphEntry& e = strip.Scan.Table[g];
        EXPECT_GT(e.First, strip.Scan.Table[g - 1].First) << g;
        EXPECT_GE(e.Width, 3) << "glyph " << g << " is a fragment";
        EXPECT_LE(e.Width, 30) << "glyph " << g << " swallowed its neighbour";
    }
    // Nothing follows the last glyph, so the entry after it stays empty.
    EXPECT_EQ(strip.Scan.Table[148].First, 0);
}

TEST(IntroFont, TheBlankGlyphCopiesBlankColumns)
{
    // A space (and any character outside the alphabet) is drawn from columns 0..5.
    const TStrip strip;
    for (int x = 0; x < 6; ++x)
        for (int r = 0; r < GlyphStripHeight; ++r)
            EXPECT_EQ(
                strip.Bytes[std::size_t(r) * GlyphStripWidth + std::size_t(x)], GlyphStripBlank);
}

TEST(IntroFont, GlyphsAreInAlphabetOrderAndBottomRowFirst)
{
    const TStrip strip;
    // Full stop sits on the baseline, the hyphen in the middle, descenders reach lower still and
    // the accents of Ё and Й higher than any plain capital; rows count from the bottom.
    const auto [dotLow, dotHigh] = strip.InkRows(U'.');
    const auto [hyphenLow, hyphenHigh] = strip.InkRows(U'-');
    const auto [capitalLow, capitalHigh] = strip.InkRows(U'E');
    EXPECT_EQ(dotLow, capitalLow);
    EXPECT_LT(dotHigh, hyphenLow);
    EXPECT_LT(hyphenHigh, capitalHigh);
    for (char32_t descender : { U'q', U'y', U'p', U'g', U'j', U'у', U'р', U'д', U'Щ' })
        EXPECT_LT(strip.InkRows(descender).first, capitalLow) << uint32_t(descender);
    for (char32_t accented : { U'Ё', U'Й' })
        EXPECT_GT(strip.InkRows(accented).second, capitalHigh) << uint32_t(accented);
    // Widths follow the letters: narrow i and l, wide m, W, Ж, Ш.
    EXPECT_LT(strip.Glyph(U'i').Width, strip.Glyph(U'n').Width);
    EXPECT_LT(strip.Glyph(U'n').Width, strip.Glyph(U'm').Width);
    EXPECT_LT(strip.Glyph(U'l').Width, strip.Glyph(U'W').Width);
    EXPECT_LT(strip.Glyph(U'ж').Width, strip.Glyph(U'Ж').Width);
    EXPECT_LT(strip.Glyph(U'Г').Width, strip.Glyph(U'Ш').Width);
}

TEST(IntroFont, TheGreetingFitsTheScrollPeriod)
{
    const TStrip strip;
    int width = 0;
    for (std::uint8_t code : ConvertText(IntroGreeting))
        width += strip.Scan.Table[code - 1].Width;
    // About ten pixels a character at this height reads well when scrolling.
    EXPECT_GT(width, 288 * 8);
    EXPECT_LT(width, 288 * 14);
}

TEST(IntroTitle, LeavesTheScrollBandFreeAndIsStoredBottomUp)
{
    const std::vector<std::uint8_t> title = Generated("INTRO_FRONTIM");
    ASSERT_EQ(title.size(), 380u * 260);
    // Memory rows 0..34 are the bottom rows, where the text scrolls.
    for (std::size_t i = 0; i < 380u * 35; ++i)
        ASSERT_EQ(title[i], 255) << "row " << i / 380;
    // The name is at the top of the picture, which is the end of the buffer.
    auto inkInRows = [&](int from, int to) {
        int ink = 0;
        for (std::size_t i = std::size_t(from) * 380; i < std::size_t(to) * 380; ++i)
            ink += title[i] < 64;
        return ink;
    };
    EXPECT_GT(inkInRows(200, 250), 3000);
    // The stage where the mesh turns stays mostly clear.
    EXPECT_LT(inkInRows(60, 190), 380 * 130 / 20);
}

} // namespace
