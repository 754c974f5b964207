// Tests of the disc animation sheets as the build generated them: sizes, the planes layout,
// what the sprite store relies on in each band, that Yellow and Green are told apart at a glance
// on both squares (also by lightness, also after the reduction for the 10 × 10 board), and that
// the board's outlines show over every square and disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
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

// Colour measures in linear light: WCAG relative luminance and contrast, and what a viewer
// without working red or green cones sees (Machado, Oliveira and Fernandes 2009, full severity).
using Linear = std::array<double, 3>;

Linear ToLinear(std::uint32_t p)
{
    Linear out;
    for (int i = 0; i < 3; ++i) {
        const double c = double((p >> (16 - 8 * i)) & 0xFF) / 255;
        out[std::size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return out;
}

double Luminance(const Linear& c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; }

double Contrast(double la, double lb)
{
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

using Matrix = std::array<Linear, 3>;
const Matrix Protanopia = { { { 0.152286, 1.052583, -0.204868 },
    { 0.114503, 0.786281, 0.099216 }, { -0.003882, -0.048116, 1.051998 } } };
const Matrix Deuteranopia = { { { 0.367322, 0.860646, -0.227968 },
    { 0.280085, 0.672501, 0.047413 }, { -0.011820, 0.042940, 0.968881 } } };

Linear Apply(const Matrix& m, const Linear& c)
{
    Linear out;
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * c[0] + m[i][1] * c[1] + m[i][2] * c[2], 0.0, 1.0);
    return out;
}

// CIE 1976 L*a*b* distance (D65): about 2 is a just noticeable difference.
double DeltaE(const Linear& a, const Linear& b)
{
    const auto lab = [](const Linear& c) {
        const double x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
        const double y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
        const double z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
        const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
        return Linear { 116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z)) };
    };
    const Linear p = lab(a), q = lab(b);
    return std::sqrt((p[0] - q[0]) * (p[0] - q[0]) + (p[1] - q[1]) * (p[1] - q[1])
        + (p[2] - q[2]) * (p[2] - q[2]));
}

// The mean linear colour of a disc's face: the middle of the frame, where the eye compares them.
Linear FaceColour(const PixelImage& frame)
{
    const double c = frame.Width / 2.0, r = frame.Width * 0.23;
    Linear sum {};
    int n = 0;
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x)
            if ((x + 0.5 - c) * (x + 0.5 - c) + (y + 0.5 - c + 0.5) * (y + 0.5 - c + 0.5) <= r * r) {
                const Linear l = ToLinear(frame.At(x, y));
                for (std::size_t i = 0; i < 3; ++i)
                    sum[i] += l[i];
                ++n;
            }
    for (double& v : sum)
        v /= n;
    return sum;
}

// The contrast of an outline colour against the pixels under the board's inset outline k of a
// square (the left and top edges 1 + k pixels inside it, the right and bottom edges k): the
// median and the 10th percentile along the path.
struct PathContrast {
    double Median, Low;
};
PathContrast OutlineContrast(const PixelImage& square, int k, std::uint32_t colour)
{
    const int a = 1 + k, b = square.Width - 1 - k;
    std::vector<double> ratios;
    const double mark = Luminance(ToLinear(colour));
    for (int y = a; y <= b; ++y)
        for (int x = a; x <= b; ++x)
            if (x == a || x == b || y == a || y == b)
                ratios.push_back(Contrast(mark, Luminance(ToLinear(square.At(x, y)))));
    std::sort(ratios.begin(), ratios.end());
    return { ratios[ratios.size() / 2], ratios[ratios.size() / 10] };
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

// A turn starts from the disc the board shows before the move, to the pixel, or the disc
// would jump and lose its highlight as the flip begins.
TEST_P(DiscSheet, TurningBandsStartFromTheRestingDiscTheyLeave)
{
    for (int band = 0; band < 4; ++band) {
        const int resting = band < 2 ? 6 + band : 2 + band; // Yellow rests in 6/7, Green in 4/5
        EXPECT_EQ(Frame(band, 0).Pixels, Frame(resting, Last()).Pixels) << "band " << band;
    }
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

// Yellow and Green apart by lightness as well as hue (WCAG contrast of the resting faces), and
// still far apart for viewers with protanopia or deuteranopia.
TEST_P(DiscSheet, YellowAndGreenDifferInLightnessAndForEveryEye)
{
    for (const int size : { 61, 49 })
        for (const int dark : { 0, 1 }) {
            const Linear yellow = FaceColour(Frame(6 + dark, Last(), size));
            const Linear green = FaceColour(Frame(4 + dark, Last(), size));
            const std::string where = "size " + std::to_string(size) + (dark ? " dark" : " light");
            EXPECT_GE(Contrast(Luminance(yellow), Luminance(green)), 1.8) << where;
            EXPECT_GT(Luminance(yellow), Luminance(green)) << where;
            EXPECT_GE(DeltaE(Apply(Protanopia, yellow), Apply(Protanopia, green)), 25) << where;
            EXPECT_GE(DeltaE(Apply(Deuteranopia, yellow), Apply(Deuteranopia, green)), 25)
                << where;
        }
}

// The outlines the board draws in fixed colours must show on whatever lies under them: the
// hover outline on every resting square, the available-move marks over empty squares at every
// inset they shrink through, and the white changed-square marks over both discs at every inset
// they grow through (M = 29 on 8 × 8, 23 on 10 × 10).
TEST_P(DiscSheet, MarksStandOutOnEverySquareAndDisc)
{
    // Over a square the texture must not break the line into dots either; over a disc the
    // glossy highlight may swallow a short stretch of it.
    const auto check = [](const PixelImage& square, int k, std::uint32_t colour, double least,
                           const std::string& what, bool evenly = true) {
        const PathContrast c = OutlineContrast(square, k, colour);
        EXPECT_GE(c.Median, least) << what << " inset " << k;
        if (evenly) {
            EXPECT_GE(c.Low, 0.8 * least) << what << " inset " << k << " (10th percentile)";
        }
    };
    for (const int size : { 61, 49 }) {
        const int m = size == 61 ? 29 : 23;
        for (const int dark : { 0, 1 }) {
            const std::string where = "size " + std::to_string(size) + (dark ? " dark" : " light");
            const PixelImage empty = Frame(4 + dark, 0, size);
            const PixelImage yellow = Frame(6 + dark, Last(), size);
            const PixelImage green = Frame(4 + dark, Last(), size);
            for (const PixelImage* under : { &empty, &yellow, &green })
                check(*under, 0, 0xFFCF40, 3.0, "hover, " + where);
            for (int k = 0; k <= m; ++k) {
                check(empty, k, 0xFFF000, 3.0, "Yellow-to-move mark, " + where);
                check(empty, k, 0xA0E87C, 3.0, "Green-to-move mark, " + where);
                check(yellow, k, 0xFFFFFF, 2.0, "changed mark over Yellow, " + where, false);
                check(green, k, 0xFFFFFF, 2.0, "changed mark over Green, " + where, false);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sheets, DiscSheet, ::testing::ValuesIn(Sheets),
    [](const ::testing::TestParamInfo<SheetCase>& i) { return std::string(i.param.Name); });

} // namespace
