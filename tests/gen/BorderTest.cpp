// Tests of the border pictures as the build generated them: sizes, every label centred on its
// square where DrawBoard puts the strips and kept inside the moulding's panel, the far strips'
// labels turned round, and one continuous frame where the strips meet.
#include <gtest/gtest.h>

#include "Borders.h"
#include "GenTestSupport.h"
#include "Previews.h"

namespace {

PixelImage ReadPlanes(const std::vector<std::uint8_t>& bytes, int width, int height)
{
    PixelImage p(width, height);
    const std::size_t n = std::size_t(width) * height;
    for (std::size_t i = 0; i < n && 3 * n <= bytes.size(); ++i)
        p.Pixels[i]
            = std::uint32_t(bytes[i]) << 16 | std::uint32_t(bytes[n + i]) << 8 | bytes[2 * n + i];
    return p;
}

// How much a pixel looks like the gilding of the labels rather than the wood around it: gold
// is bright and strongly yellow, the mahogany dark and red-brown.
double Gilt(std::uint32_t p)
{
    const double r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return std::clamp(((r + g) / 2 - b - 50) / 60, 0.0, 1.0) * std::clamp((g - 70) / 50, 0.0, 1.0);
}

// The ink of one label: its bounding box and weighted centre, in picture coordinates.
struct Ink {
    double Left = 1e9, Right = -1e9, Top = 1e9, Bottom = -1e9, X = 0, Y = 0, Weight = 0;
    double MiddleX() const { return (Left + Right + 1) / 2; }
    double MiddleY() const { return (Top + Bottom + 1) / 2; }
};

Ink FindInk(const PixelImage& p, int x0, int y0, int x1, int y1)
{
    Ink ink;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const double w = Gilt(p.At(x, y));
            ink.X += w * (x + 0.5), ink.Y += w * (y + 0.5), ink.Weight += w;
            if (w > 0.5)
                ink.Left = std::min(ink.Left, double(x)),
                ink.Right = std::max(ink.Right, double(x)), ink.Top = std::min(ink.Top, double(y)),
                ink.Bottom = std::max(ink.Bottom, double(y));
        }
    if (ink.Weight > 0)
        ink.X /= ink.Weight, ink.Y /= ink.Weight;
    return ink;
}

// How alike two same-sized patches of gilding are, from −1 to 1.
double Correlation(const std::vector<double>& a, const std::vector<double>& b)
{
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        ma += a[i], mb += b[i];
    ma /= double(a.size()), mb /= double(b.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        ab += (a[i] - ma) * (b[i] - mb), aa += (a[i] - ma) * (a[i] - ma),
            bb += (b[i] - mb) * (b[i] - mb);
    return ab / std::sqrt(aa * bb + 1e-12);
}

class Borders : public ::testing::Test {
protected:
    void SetUp() override
    {
        HBytes = ReadGenerated("BORDR_H");
        VBytes = ReadGenerated("BORDR_V");
        H = ReadPlanes(HBytes, 530, 80);
        V = ReadPlanes(VBytes, 80, 490);
    }
    std::vector<std::uint8_t> HBytes, VBytes;
    PixelImage H, V;
};

TEST_F(Borders, HaveTheirDeclaredSizes)
{
    EXPECT_EQ(HBytes.size(), 127200u);
    EXPECT_EQ(VBytes.size(), 117600u);
}

// In BORDR_H the letter of column x is centred at 20 + c·x + c/2 across, in the middle of its
// 20-row strip; in BORDR_V the number of row y at c·y + c/2 down, in the middle of its
// 20-column strip (c = 61 for the 8 × 8 strips, 49 for the 10 × 10 ones).
TEST_F(Borders, EveryLabelIsCentredOnItsSquare)
{
    for (const int n : { 8, 10 }) {
        const int c = n == 8 ? 61 : 49, first = n == 8 ? 0 : 40;
        for (int strip = 0; strip < 2; ++strip)
            for (int i = 0; i < n; ++i) {
                const double along = 20 + c * i + c / 2.0, across = first + 20 * strip + 10;
                // Within the square's span and the strip, away from the brass inlay.
                const int a0 = 20 + c * i + 3, a1 = 20 + c * i + c - 3;
                const int b0 = first + 20 * strip + (strip ? 4 : 3),
                          b1 = first + 20 * strip + (strip ? 17 : 16);
                const Ink letter = FindInk(H, a0, b0, a1, b1);
                const std::string what = "letter " + std::string(1, char('A' + i))
                    + (strip ? " upright" : " turned") + " of " + std::to_string(n);
                ASSERT_GT(letter.Weight, 10) << what << ": no gilding found";
                EXPECT_NEAR(letter.MiddleX(), along, 1.0) << what;
                EXPECT_NEAR(letter.X, along, 1.5) << what;
                EXPECT_NEAR(letter.MiddleY(), across, 1.5) << what;
                const double down = c * i + c / 2.0;
                const Ink number = FindInk(
                    V, first + 20 * strip + 3, c * i + 3, first + 20 * strip + 17, c * i + c - 3);
                const std::string which = "number " + std::to_string(n - i)
                    + (strip ? " turned" : " upright") + " of " + std::to_string(n);
                ASSERT_GT(number.Weight, 10) << which << ": no gilding found";
                EXPECT_NEAR(number.MiddleY(), down, 1.0) << which;
                EXPECT_NEAR(number.Y, down, 1.5) << which;
                EXPECT_NEAR(number.MiddleX(), first + 20 * strip + 10, 1.5) << which;
            }
    }
}

// The top strip (rows 0..19 and 40..59) and the right column (20..39 and 60..79) carry the
// labels turned by 180° for the player opposite: each matches its upright twin turned round.
TEST_F(Borders, FarLabelsAreTheNearOnesTurnedRound)
{
    const auto patch = [](const PixelImage& p, int x0, int y0, int w, int h, bool turn) {
        std::vector<double> out;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out.push_back(
                    Gilt(turn ? p.At(x0 + w - 1 - x, y0 + h - 1 - y) : p.At(x0 + x, y0 + y)));
        return out;
    };
    for (const int n : { 8, 10 }) {
        const int c = n == 8 ? 61 : 49, first = n == 8 ? 0 : 40;
        for (int i = 0; i < n; ++i) {
            // A patch centred on the label in each strip; the turned one is read backwards.
            const int x0 = 20 + c * i + c / 2 - 10;
            const double letters = Correlation(
                patch(H, x0, first + 20, 21, 20, false), patch(H, x0, first, 21, 20, true));
            EXPECT_GT(letters, 0.8) << "letter " << char('A' + i) << " of " << n;
            const int y0 = c * i + c / 2 - 10;
            const double numbers = Correlation(
                patch(V, first, y0, 20, 21, false), patch(V, first + 20, y0, 20, 21, true));
            EXPECT_GT(numbers, 0.8) << "number " << n - i << " of " << n;
        }
        // And they really are turned: an A is not the same upside down.
        const int x0 = 20 + c / 2 - 10;
        EXPECT_LT(Correlation(
                      patch(H, x0, first + 20, 21, 20, false), patch(H, x0, first, 21, 20, false)),
            0.6);
    }
}

// Every label stays on the flat panel of the moulding: painting the labels changes nothing on
// the brass inlay (16.5 to 17.6 pixels from the outer edge) or on the outer bullnose (the
// first 3 pixels), in any strip, turned or upright, on either board size.
TEST(BorderLabels, KeepOffTheInlayAndTheOuterEdge)
{
    for (const int n : { 8, 10 }) {
        const int c = n == 8 ? 61 : 49, side = n * c + 40;
        const PixelImage labelled = PaintFrame(n, true), bare = PaintFrame(n, false);
        // The pixel d pixels in from the outer edge of a strip, at position `along` on it.
        const auto at = [&](int strip, int along, int d) {
            switch (strip) {
            case 0: // top
                return std::pair { along, d };
            case 1: // bottom
                return std::pair { along, side - 1 - d };
            case 2: // left
                return std::pair { d, along };
            default: // right
                return std::pair { side - 1 - d, along };
            }
        };
        for (int strip = 0; strip < 4; ++strip) {
            int inkFrom = 20, inkTo = -1, worstOutside = 0;
            for (int along = 20; along < side - 20; ++along)
                for (int d = 0; d < 20; ++d) {
                    const auto [x, y] = at(strip, along, d);
                    const std::uint32_t a = labelled.At(x, y), b = bare.At(x, y);
                    int change = 0;
                    for (int shift = 0; shift < 24; shift += 8)
                        change = std::max(
                            change, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
                    if (Gilt(a) > 0.5 && Gilt(b) < 0.2)
                        inkFrom = std::min(inkFrom, d), inkTo = std::max(inkTo, d);
                    if (d < 3 || d == 16 || d == 17)
                        worstOutside = std::max(worstOutside, change);
                }
            const std::string what = "strip " + std::to_string(strip) + " of " + std::to_string(n);
            ASSERT_GE(inkTo, 0) << what << ": no labels found";
            EXPECT_GE(inkFrom, 4) << what;
            EXPECT_LE(inkTo, 15) << what;
            EXPECT_LE(worstOutside, 6) << what;
        }
    }
}

// Where DrawBoard joins the strips (the top and bottom strips span the corners, the side
// strips fill in between) the frame must run on without a visible step.
TEST_F(Borders, StripsJoinIntoOneFrameAtTheCorners)
{
    for (const int n : { 8, 10 }) {
        const int c = n == 8 ? 61 : 49, side = n * c + 40;
        const PixelImage sheet(15 * 61, 488, 0x808080);
        const PixelImage board = DrawBoardPicture(n, H, V, n == 8 ? sheet : ReduceSheet(sheet, 15),
            14, std::vector<int>(std::size_t(n) * n, 1));
        // The largest colour step between rows r and r + 1 in any column of the left and right
        // strips: along a frame piece the profile runs on, so only a misplaced piece makes one.
        const auto step = [&](int r) {
            int worst = 0;
            // The innermost column is left out: the mitre line ends there, at the board's corner.
            for (int x = 0; x < side; ++x) {
                if (x >= 19 && x < side - 19)
                    continue;
                const std::uint32_t a = board.At(x, r), b = board.At(x, r + 1);
                int sum = 0;
                for (int shift = 0; shift < 24; shift += 8)
                    sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
                worst = std::max(worst, sum);
            }
            return worst;
        };
        // Compared with steps a few rows into the side strips, clear of the mitred corners.
        for (const int seam : { 19, side - 21 }) {
            const int into = seam == 19 ? 1 : -1;
            int inside = 0;
            for (const int k : { 3, 4, 5 })
                inside = std::max(inside, step(seam + into * k));
            EXPECT_LT(step(seam), 2 * inside + 20)
                << "board " << n << ", rows " << seam << "/" << seam + 1 << " inside " << inside;
        }
    }
}

} // namespace
