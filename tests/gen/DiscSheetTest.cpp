// Tests of the disc animation sheets as the build generated them: sizes, the planes layout,
// what the sprite store relies on in each band, and that Yellow and Green are told apart at a
// glance on both squares, also after the reduction for the 10 × 10 board.
#include <gtest/gtest.h>

#include <set>

#include "GenTestSupport.h"
#include "Previews.h"

namespace {

struct SheetCase {
    const char* Name;
    int Frames;
    std::size_t DeclaredSize;
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.Name; }

const SheetCase Sheets[]
    = { { "ANIM_B1", 20, 1786080 }, { "ANIM_B2", 15, 1339560 }, { "ANIM_B3", 20, 1786080 } };

// The planes layout read straight from its definition: a red plane, a green plane and a blue
// plane of width × height bytes each, top row first.
PixelImage ReadPlanes(const std::vector<std::uint8_t>& bytes, int width, int height)
{
    PixelImage p(width, height);
    const std::size_t n = std::size_t(width) * height;
    for (std::size_t i = 0; i < n && 3 * n <= bytes.size(); ++i)
        p.Pixels[i]
            = std::uint32_t(bytes[i]) << 16 | std::uint32_t(bytes[n + i]) << 8 | bytes[2 * n + i];
    return p;
}

class DiscSheet : public ::testing::TestWithParam<SheetCase> {
protected:
    void SetUp() override
    {
        Bytes = ReadGenerated(GetParam().Name);
        Sheet = ReadPlanes(Bytes, GetParam().Frames * 61, 488);
    }
    PixelImage Frame(int band, int frame, int size = 61) const
    {
        return Crop(size == 61 ? Sheet : Reduced(), frame * size, band * size, size, size);
    }
    int Last() const { return GetParam().Frames - 1; }
    const PixelImage& Reduced() const
    {
        if (ReducedSheet.Pixels.empty())
            ReducedSheet = ReduceSheet(Sheet, GetParam().Frames);
        return ReducedSheet;
    }
    std::vector<std::uint8_t> Bytes;
    PixelImage Sheet;
    mutable PixelImage ReducedSheet;
};

TEST_P(DiscSheet, HasItsDeclaredSize) { EXPECT_EQ(Bytes.size(), GetParam().DeclaredSize); }

// Known pixels in known places: a resting Yellow disc reads yellow and a Green one green (so
// the planes are red, green, blue in that order), light bands are light and dark bands dark
// (so rows run top first and the bands are in their order).
TEST_P(DiscSheet, PlanesAndBandsAreWhereTheGameReadsThem)
{
    ASSERT_EQ(Bytes.size(), GetParam().DeclaredSize);
    for (const int dark : { 0, 1 }) {
        const MeanColour yellow = MeanInCircle(Frame(6 + dark, Last()), 30.5, 30, 12);
        const MeanColour green = MeanInCircle(Frame(4 + dark, Last()), 30.5, 30, 12);
        EXPECT_GT(Hue(yellow), 30) << "dark " << dark;
        EXPECT_LT(Hue(yellow), 65) << "dark " << dark;
        EXPECT_GT(yellow.R, yellow.B + 80);
        EXPECT_GT(Hue(green), 95);
        EXPECT_LT(Hue(green), 170);
        EXPECT_GT(green.G, green.R + 40);
    }
    const auto luminance = [](const MeanColour& c) { return 0.3 * c.R + 0.59 * c.G + 0.11 * c.B; };
    for (int band = 0; band < 8; band += 2)
        EXPECT_GT(luminance(MeanInRing(Frame(band, Last()), 2)),
            luminance(MeanInRing(Frame(band + 1, Last()), 2)) + 15)
            << "band " << band << " should be a light square, band " << band + 1 << " a dark one";
}

// A flipped disc and a placed disc must come to rest identically, or the board would change
// when it is redrawn after the animation.
TEST_P(DiscSheet, EveryBandEndsInTheRestingPictureOfItsColour)
{
    for (int band = 0; band < 4; ++band)
        EXPECT_EQ(Frame(band, Last()).Pixels, Frame(band + 4, Last()).Pixels)
            << "bands " << band << " and " << band + 4;
}

TEST_P(DiscSheet, AppearingBandsStartFromTheBareSquare)
{
    EXPECT_EQ(Frame(4, 0).Pixels, Frame(6, 0).Pixels);
    EXPECT_EQ(Frame(5, 0).Pixels, Frame(7, 0).Pixels);
    for (const int band : { 4, 5 }) {
        // Nothing stands in the middle: it looks like the square's own edges.
        const PixelImage bare = Frame(band, 0);
        EXPECT_LT(Distance(MeanInCircle(bare, 30.5, 30.5, 14), MeanInRing(bare, 4)), 30)
            << "band " << band;
    }
}

// Band 0 turns a Yellow disc into a Green one and band 2 the reverse: the turn starts in the
// colour it leaves.
TEST_P(DiscSheet, TurningBandsStartInTheColourTheyLeave)
{
    for (const int dark : { 0, 1 }) {
        const double fromYellow = Hue(MeanInCircle(Frame(0 + dark, 0), 30.5, 30, 12));
        const double fromGreen = Hue(MeanInCircle(Frame(2 + dark, 0), 30.5, 30, 12));
        EXPECT_LT(fromYellow, 70) << "dark " << dark;
        EXPECT_GT(fromGreen, 90) << "dark " << dark;
    }
}

// An animation, not a still: nearly every frame of every band is a picture of its own.
TEST_P(DiscSheet, FramesMove)
{
    for (int band = 0; band < 8; ++band) {
        std::set<std::vector<std::uint32_t>> distinct;
        for (int f = 0; f < GetParam().Frames; ++f)
            distinct.insert(Frame(band, f).Pixels);
        EXPECT_GE(int(distinct.size()), GetParam().Frames - 3) << "band " << band;
    }
}

// Fire, glints and shadows stay inside their square: its outermost pixels never change, so
// an animated square never shows a seam against its neighbours.
TEST_P(DiscSheet, SquareEdgesStayPutThroughEveryFrame)
{
    for (int band = 0; band < 8; ++band) {
        const PixelImage bare = Frame(band % 2 ? 5 : 4, 0);
        for (int f = 0; f < GetParam().Frames; ++f) {
            const PixelImage frame = Frame(band, f);
            int worst = 0;
            for (int y = 0; y < 61; ++y)
                for (int x = 0; x < 61; ++x) {
                    if (x != 0 && y != 0 && x != 60 && y != 60)
                        continue;
                    for (int shift = 0; shift < 24; shift += 8)
                        worst = std::max(worst,
                            std::abs(int((frame.At(x, y) >> shift) & 0xFF)
                                - int((bare.At(x, y) >> shift) & 0xFF)));
                }
            EXPECT_LE(worst, 6) << "band " << band << " frame " << f;
        }
    }
}

// Yellow and Green at a glance: clearly different hues and colours, and each standing out
// from the square under it, on light and dark squares, at full size and reduced.
TEST_P(DiscSheet, YellowAndGreenAreUnmistakableOnBothSquaresAndSizes)
{
    for (const int size : { 61, 49 })
        for (const int dark : { 0, 1 }) {
            const double c = size / 2.0, r = size * 0.2;
            const PixelImage yellowRest = Frame(6 + dark, Last(), size),
                             greenRest = Frame(4 + dark, Last(), size);
            const MeanColour yellow = MeanInCircle(yellowRest, c, c - 0.5, r);
            const MeanColour green = MeanInCircle(greenRest, c, c - 0.5, r);
            const MeanColour square = MeanInCircle(Frame(4 + dark, 0, size), c, c, r);
            const std::string where = "size " + std::to_string(size) + (dark ? " dark" : " light");
            EXPECT_GT(Hue(green) - Hue(yellow), 50) << where;
            EXPECT_GT(Distance(yellow, green), 90) << where;
            EXPECT_GT(Distance(yellow, square), 60)
                << where << " yellow " << yellow.R << "," << yellow.G << "," << yellow.B
                << " square " << square.R << "," << square.G << "," << square.B;
            EXPECT_GT(Distance(green, square), 60) << where;
        }
}

INSTANTIATE_TEST_SUITE_P(Sheets, DiscSheet, ::testing::ValuesIn(Sheets),
    [](const ::testing::TestParamInfo<SheetCase>& i) { return std::string(i.param.Name); });

} // namespace
