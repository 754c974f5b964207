// Tests of the icons as the build generated them: every name there, real PNG files of the
// right sizes, with transparent surroundings and a solid picture; the saved-game icon a sheet of
// its own, not the application icon again.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>

#include "GenTestSupport.h"
#include "Icons.h"

namespace {

QImage LoadPng(const std::string& name)
{
    const std::vector<std::uint8_t> bytes = ReadGenerated(name);
    return QImage::fromData(bytes.data(), int(bytes.size()), "PNG");
}

int OpaquePixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 200;
    return n;
}

TEST(Icons, ApplicationIconAtEverySizeIsARoundedTile)
{
    for (const int size : AppIconSizes) {
        const QImage icon = LoadPng("ICON_APP_" + std::to_string(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.width(), size);
        EXPECT_EQ(icon.height(), size);
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 100) << size << ": rounded corners are see-through";
        EXPECT_LT(qAlpha(icon.pixel(size - 1, size - 1)), 100) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
        EXPECT_GT(OpaquePixels(icon), size * size * 3 / 4) << size;
    }
}

TEST(Icons, SavedGameIconAtEverySizeIsASheetWithAFoldedCorner)
{
    for (const int size : MimeIconSizes) {
        const QImage icon = LoadPng("ICON_MIME_" + std::to_string(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.width(), size);
        EXPECT_EQ(icon.height(), size);
        EXPECT_TRUE(icon.hasAlphaChannel());
        // Upright: see-through beside the sheet, solid down its middle from top to bottom ...
        const int middle = size / 2;
        EXPECT_EQ(qAlpha(icon.pixel(0, middle)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, middle)), 0) << size;
        for (int y = size / 8; y < size - size / 8; ++y)
            EXPECT_EQ(qAlpha(icon.pixel(middle, y)), 255) << size << " at row " << y;
        // ... with its top right corner cut away: near the top the paper ends well before its
        // right edge further down.
        const auto rightmostOpaque = [&](int y) {
            int right = -1;
            for (int x = 0; x < size; ++x)
                if (qAlpha(icon.pixel(x, y)) == 255)
                    right = x;
            return right;
        };
        const int edge = rightmostOpaque(middle), nearTop = rightmostOpaque(size / 16 + size / 32);
        ASSERT_GE(nearTop, 0) << size;
        EXPECT_LE(nearTop, edge - std::max(2, size / 10)) << size << ": no folded corner";
        const int opaque = OpaquePixels(icon);
        EXPECT_GT(opaque, size * size / 2) << size;
        EXPECT_LT(opaque, size * size * 9 / 10) << size;
    }
}

TEST(Icons, SavedGameIconIsNotTheApplicationIcon)
{
    for (const int size : MimeIconSizes) {
        const std::string name = "ICON_MIME_" + std::to_string(size);
        const std::string app = "ICON_APP_" + std::to_string(size);
        ASSERT_NE(ReadGenerated(name), ReadGenerated(app)) << size;
        const QImage mime = LoadPng(name), other = LoadPng(app);
        ASSERT_FALSE(mime.isNull() || other.isNull()) << size;
        // Seen as a file manager shows them: over white, they differ over much of the picture.
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const auto onWhite = [](QRgb p, int channel) {
                    return (channel * qAlpha(p) + 255 * (255 - qAlpha(p))) / 255;
                };
                const QRgb a = mime.pixel(x, y), b = other.pixel(x, y);
                const int d = std::abs(onWhite(a, qRed(a)) - onWhite(b, qRed(b)))
                    + std::abs(onWhite(a, qGreen(a)) - onWhite(b, qGreen(b)))
                    + std::abs(onWhite(a, qBlue(a)) - onWhite(b, qBlue(b)));
                differing += d > 60;
            }
        EXPECT_GT(differing, size * size / 4) << size;
    }
}

TEST(Icons, SavedGameIconShowsAYellowDiscInTheMiddleOfItsBoard)
{
    for (const int size : MimeIconSizes) {
        const QImage icon = LoadPng("ICON_MIME_" + std::to_string(size));
        ASSERT_FALSE(icon.isNull()) << size;
        // The middle of the board, where the disc lies: yellow, as Yellow's discs are.
        int yellow = 0, samples = 0;
        const int cx = size / 2, cy = size * 5 / 8, r = std::max(1, size / 16);
        for (int y = cy - r; y <= cy + r; ++y)
            for (int x = cx - r; x <= cx + r; ++x, ++samples) {
                const QColor c = QColor::fromRgb(icon.pixel(x, y));
                yellow += c.hue() >= 30 && c.hue() <= 65 && c.saturation() > 120 && c.value() > 120;
            }
        EXPECT_GT(yellow, samples / 2) << size;
    }
}

TEST(Icons, MenuIconsAreSmallPicturesWithRoomAroundThem)
{
    for (const char* name : MenuIconNames)
        for (const int size : { 16, 32 }) {
            const std::string resource = std::string("ICON_") + name + (size == 32 ? "_32" : "");
            const QImage icon = LoadPng(resource);
            ASSERT_FALSE(icon.isNull()) << resource;
            EXPECT_EQ(icon.width(), size) << resource;
            EXPECT_EQ(icon.height(), size) << resource;
            const int opaque = OpaquePixels(icon);
            EXPECT_GT(opaque, size * size / 6) << resource << ": too faint";
            EXPECT_LT(opaque, size * size * 9 / 10) << resource << ": no room around the picture";
        }
}

} // namespace
