// Tests of Downscale, the reduction of the disc sheets for the 10 × 10 board.
#include <gtest/gtest.h>

#include <vector>

#include "Downscale.h"

namespace {

std::uint32_t Red(std::uint32_t p) { return (p >> 16) & 0xFF; }
std::uint32_t Green(std::uint32_t p) { return (p >> 8) & 0xFF; }
std::uint32_t Blue(std::uint32_t p) { return p & 0xFF; }

// The weights of a 2 × 2 → 1 × 1 reduction, worked out by hand: the position 0.5 rounds to 0
// (ties to even), so the first pixel counts 7 times, its two neighbours 5 times and the far
// corner 4 times, out of 21. Each colour sits in one source pixel, so each channel shows one
// weight and the channels must not mix.
TEST(Downscale, WeightsRoundingAndChannelsOfATinyReduction)
{
    const std::vector<std::uint32_t> source = { 0x0000D2, 0x00D200, 0x000000, 0xD20000 };
    std::vector<std::uint32_t> destination(1, 0xFFFFFFFF);
    ASSERT_TRUE(Downscale(source, destination, 2, 2, 1, 1));
    EXPECT_EQ(Blue(destination[0]), 7u * 210 / 21);
    EXPECT_EQ(Green(destination[0]), 5u * 210 / 21);
    EXPECT_EQ(Red(destination[0]), 4u * 210 / 21);
    EXPECT_EQ(destination[0] >> 24, 0u) << "the fourth byte must be zero";
}

// A contribution whose rounded column equals the destination width is addressed one entry
// further, which is column 0 of the next row: the top-right source pixel of a 2 × 3 picture
// reaches the bottom destination pixel of a 1 × 2 reduction with weight 2 out of 23.
TEST(Downscale, ContributionPastTheRightEdgeWrapsToTheNextRow)
{
    std::vector<std::uint32_t> source(6, 0);
    source[1] = 0xE60000; // column 1, row 0
    std::vector<std::uint32_t> destination(2, 0);
    ASSERT_TRUE(Downscale(source, destination, 2, 3, 1, 2));
    EXPECT_EQ(Red(destination[0]), 5u * 230 / 12);
    EXPECT_EQ(Red(destination[1]), 2u * 230 / 23);
}

// The game's reductions: every destination pixel of a flat picture must come out flat (which
// also means no entry was left without weight), for both sheet widths.
TEST(Downscale, SheetReductionsKeepAFlatColourEverywhere)
{
    for (const int frames : { 20, 15 }) {
        const int w = 61 * frames, h = 488;
        std::vector<std::uint32_t> source(std::size_t(w) * h, 0x3C7AB4);
        std::vector<std::uint32_t> destination(std::size_t(49 * frames) * 392, 0);
        ASSERT_TRUE(Downscale(source, destination, w, h, 49 * frames, 392));
        for (std::size_t k = 0; k < destination.size(); ++k)
            ASSERT_EQ(destination[k], 0x3C7AB4u) << "pixel " << k << ", " << frames;
    }
}

// Each 61-pixel frame must land on its own 49-pixel frame: only the outermost pixel ring of a
// reduced frame may borrow from its neighbours.
TEST(Downscale, FramesOfASheetStayApart)
{
    const int frames = 20, w = 61 * frames, h = 61 * 8;
    std::vector<std::uint32_t> source(std::size_t(w) * h);
    const auto colourOf = [](int f, int b) {
        return std::uint32_t(f * 12) << 16 | std::uint32_t(b * 30) << 8 | 77;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            source[std::size_t(y) * w + x] = colourOf(x / 61, y / 61);
    std::vector<std::uint32_t> destination(std::size_t(49 * frames) * 392);
    ASSERT_TRUE(Downscale(source, destination, w, h, 49 * frames, 392));
    for (int b = 0; b < 8; ++b)
        for (int f = 0; f < frames; ++f)
            for (int y = 1; y < 48; ++y)
                for (int x = 1; x < 48; ++x)
                    ASSERT_EQ(destination[std::size_t(b * 49 + y) * (49 * frames) + f * 49 + x],
                        colourOf(f, b))
                        << "frame " << f << " band " << b << " at " << x << "," << y;
}

TEST(Downscale, RefusesWhatItCannotDoAndLeavesTheDestinationAlone)
{
    std::vector<std::uint32_t> source(16, 0x123456);
    std::vector<std::uint32_t> destination(25, 0xABCDEF);
    EXPECT_FALSE(Downscale(source, destination, 4, 4, 5, 5)) << "enlargement";
    EXPECT_FALSE(Downscale(source, destination, 4, 4, 0, 3)) << "empty destination";
    EXPECT_FALSE(Downscale(source, destination, -4, 4, 2, 2)) << "negative size";
    EXPECT_FALSE(Downscale(source, destination, 8, 8, 2, 2)) << "source buffer too small";
    std::vector<std::uint32_t> small(3);
    EXPECT_FALSE(Downscale(source, small, 4, 4, 2, 2)) << "destination buffer too small";
    for (std::uint32_t p : destination)
        ASSERT_EQ(p, 0xABCDEFu);
    EXPECT_EQ(Downscale(source, destination, 4, 4, 5, 5).Failure(),
        (Error { ErrorKind::Unsupported,
            "Downscale: only reductions are supported (the destination is larger)" }));
    EXPECT_EQ(Downscale(source, small, 4, 4, 2, 2).Failure(),
        (Error { ErrorKind::SizeMismatch,
            "Downscale: the destination buffer is smaller than its picture" }));
}

} // namespace
