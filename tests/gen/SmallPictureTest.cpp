// Tests of the four small bitmaps as the build generated them: headers, sizes and depths (read
// by our own reader and by Qt's, which the game loads them with), the transparent bottom-left
// colour, and the words set inside their boxes. Also the bitmap reader's refusals.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "GenTestSupport.h"
#include "WindowsBitmap.h"

namespace {

struct BitmapCase {
    const char* Name;
    int Width, Height, Bits;
};

const BitmapCase Bitmaps[] = { { "PACK_BMP", 44, 34, 8 }, { "PACK_TXT", 88, 20, 1 },
    { "CONNECT_BMP", 34, 34, 8 }, { "CONNECT_TXT", 117, 20, 1 } };

TEST(SmallPictures, HeadersStateTheirSizesDepthsAndLength)
{
    for (const BitmapCase& c : Bitmaps) {
        const std::vector<std::uint8_t> file = ReadGenerated(c.Name);
        const Result<DecodedBitmap> decoded = DecodeBitmap(file);
        ASSERT_TRUE(decoded) << c.Name << ": " << decoded.Failure().Message;
        const DecodedBitmap& b = decoded.Value();
        EXPECT_EQ(b.Width, c.Width) << c.Name;
        EXPECT_EQ(b.Height, c.Height) << c.Name;
        EXPECT_EQ(b.BitsPerPixel, c.Bits) << c.Name;
        EXPECT_EQ(b.FileSize, file.size()) << c.Name;
        EXPECT_LE(b.PaletteSize, 1 << c.Bits) << c.Name;
        // Qt reads them the same way.
        const QImage q = QImage::fromData(file.data(), int(file.size()), "BMP");
        ASSERT_FALSE(q.isNull()) << c.Name;
        EXPECT_EQ(q.width(), c.Width);
        EXPECT_EQ(q.height(), c.Height);
        EXPECT_EQ(q.format(), c.Bits == 1 ? QImage::Format_Mono : QImage::Format_Indexed8)
            << c.Name;
        for (int y = 0; y < c.Height; ++y)
            for (int x = 0; x < c.Width; ++x)
                ASSERT_EQ(q.pixel(x, y) & 0xFFFFFF, b.Picture.At(x, y))
                    << c.Name << " at " << x << "," << y;
    }
}

// The bottom-left pixel's colour does not paint: it must be the background, and the picture
// itself must be there around it.
TEST(SmallPictures, PicturesStandOnTheirTransparentColour)
{
    for (const char* name : { "PACK_BMP", "CONNECT_BMP" }) {
        const Result<DecodedBitmap> decoded = DecodeBitmap(ReadGenerated(name));
        ASSERT_TRUE(decoded) << name << ": " << decoded.Failure().Message;
        const DecodedBitmap& b = decoded.Value();
        const std::uint32_t key = b.Picture.At(0, b.Height - 1);
        int painted = 0;
        for (const std::uint32_t p : b.Picture.Pixels)
            painted += p != key;
        EXPECT_GT(painted, int(b.Picture.Pixels.size()) / 3) << name;
        EXPECT_LT(painted, int(b.Picture.Pixels.size()) * 9 / 10) << name;
        // All four corners are background, so nothing is cut off at the edges.
        EXPECT_EQ(b.Picture.At(0, 0), key) << name;
        EXPECT_EQ(b.Picture.At(b.Width - 1, 0), key) << name;
        EXPECT_EQ(b.Picture.At(b.Width - 1, b.Height - 1), key) << name;
    }
}

// Black letters on white: white at the bottom left (so the white does not paint), and the
// ink kept clear of the edges with room to spare.
TEST(SmallPictures, WordsAreBlackOnWhiteAndInsideTheirBoxes)
{
    for (const char* name : { "PACK_TXT", "CONNECT_TXT" }) {
        const Result<DecodedBitmap> decoded = DecodeBitmap(ReadGenerated(name));
        ASSERT_TRUE(decoded) << name << ": " << decoded.Failure().Message;
        const DecodedBitmap& b = decoded.Value();
        EXPECT_EQ(b.Picture.At(0, b.Height - 1), 0xFFFFFFu) << name;
        int left = b.Width, right = -1, top = b.Height, bottom = -1, ink = 0;
        for (int y = 0; y < b.Height; ++y)
            for (int x = 0; x < b.Width; ++x) {
                const std::uint32_t p = b.Picture.At(x, y);
                ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << name;
                if (p != 0)
                    continue;
                ++ink;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        EXPECT_GT(ink, 120) << name;
        EXPECT_GT(left, 0) << name;
        EXPECT_LT(right, b.Width - 1) << name;
        EXPECT_GT(top, 0) << name;
        EXPECT_LT(bottom, b.Height - 1) << name;
        EXPECT_GT(right - left, b.Width * 3 / 4)
            << name << ": the word should fill most of its box";
        EXPECT_NEAR((left + right) / 2.0, (b.Width - 1) / 2.0, 2.0) << name;
    }
}

TEST(WindowsBitmapReader, RefusesDamagedFiles)
{
    const std::vector<std::uint8_t> good = ReadGenerated("PACK_BMP");
    ASSERT_TRUE(DecodeBitmap(good));
    auto kind = [](const std::vector<std::uint8_t>& file) {
        const Result<DecodedBitmap> b = DecodeBitmap(file);
        return b ? std::optional<ErrorKind>() : b.Failure().Kind;
    };
    EXPECT_EQ(kind({}), ErrorKind::NotOurs);
    EXPECT_EQ(kind(std::vector<std::uint8_t>(good.begin(), good.begin() + 60)), ErrorKind::Damaged)
        << "truncated";
    std::vector<std::uint8_t> bad = good;
    bad[0] = 'X';
    EXPECT_EQ(kind(bad), ErrorKind::NotOurs) << "signature";
    bad = good;
    bad[28] = 24;
    EXPECT_EQ(kind(bad), ErrorKind::Unsupported) << "bit depth";
    bad = good;
    bad[22] = 0xFF, bad[23] = 0xFF, bad[24] = 0xFF, bad[25] = 0x7F;
    EXPECT_EQ(kind(bad), ErrorKind::Unsupported) << "height";
    bad = good;
    bad[46] = 0, bad[47] = 2; // 512 colours in an 8-bit palette
    EXPECT_EQ(DecodeBitmap(bad).Failure(), (Error { ErrorKind::Damaged, "palette does not fit" }))
        << "palette";
}

// More colours than a palette holds are reduced, the transparent colour keeps index 0 exactly,
// and every pixel lands on a near palette colour.
TEST(WindowsBitmapWriter, ReducesRichPicturesToAPaletteAndKeepsTheKey)
{
    PixelImage rich(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            rich.At(x, y) = std::uint32_t(x * 6) << 16 | std::uint32_t(y * 8) << 8
                | std::uint32_t((x * y) % 256);
    rich.At(0, 29) = 0xFF00FF;
    const Result<DecodedBitmap> decoded = DecodeBitmap(EncodeBitmap8(rich, 0xFF00FF));
    ASSERT_TRUE(decoded) << decoded.Failure().Message;
    const DecodedBitmap& b = decoded.Value();
    EXPECT_EQ(b.PaletteSize, 256);
    EXPECT_EQ(b.Picture.At(0, 29), 0xFF00FFu);
    int worst = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            if (x == 0 && y == 29)
                continue;
            EXPECT_NE(b.Picture.At(x, y), 0xFF00FFu);
            for (int shift = 0; shift < 24; shift += 8)
                worst = std::max(worst,
                    std::abs(int((b.Picture.At(x, y) >> shift) & 0xFF)
                        - int((rich.At(x, y) >> shift) & 0xFF)));
        }
    EXPECT_LT(worst, 40);
}

} // namespace
