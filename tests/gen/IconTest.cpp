// Tests of the icons as the build generated them: every name there, real PNG files of the
// right sizes, with transparent surroundings and a solid picture.
#include <gtest/gtest.h>

#include <QImage>

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
