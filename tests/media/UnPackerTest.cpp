// Tests of the unpacking layouts (bytes, blocks, triplets, planes) and of what they refuse.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Lzh32.h"
#include "LzhEncoder.h"
#include "ResourceStore.h"
#include "UnPacker.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;

// The four bytes of a pixel as they lie in memory.
Bytes PixelBytes(std::uint32_t pixel)
{
    Bytes b(4);
    std::memcpy(b.data(), &pixel, 4);
    return b;
}

// Planes of a width × height picture whose pixel (x, y) has red 10y + x, green 100 + 10y + x and
// blue 200 + x: each row is told apart by its red byte.
Bytes MakePlanes(int width, int height)
{
    Bytes planes(std::size_t(width * height * 3));
    const std::size_t n = std::size_t(width * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y * width + x);
            planes[i] = std::uint8_t(10 * y + x);
            planes[n + i] = std::uint8_t(100 + 10 * y + x);
            planes[2 * n + i] = std::uint8_t(200 + x);
        }
    }
    return planes;
}

TEST(UnpackPlanes, PixelsAreBlueGreenRedZeroAndRowsBottomUp)
{
    for (int height : { 1, 2, 3, 5 }) {
        const int width = 3;
        Pixels pixels(std::size_t(width * height), 0xDEADBEEF);
        const Status r = UnpackPlanes(LzhPack(MakePlanes(width, height)), pixels, width, height);
        ASSERT_TRUE(r) << r.Failure().Message;
        for (int row = 0; row < height; ++row) {
            const int y = height - 1 - row; // memory row 0 is the picture's bottom row
            for (int x = 0; x < width; ++x) {
                const Bytes expected = { std::uint8_t(200 + x), std::uint8_t(100 + 10 * y + x),
                    std::uint8_t(10 * y + x), 0 };
                EXPECT_EQ(PixelBytes(pixels[std::size_t(row * width + x)]), expected)
                    << "height " << height << " memory row " << row << " x " << x;
            }
        }
    }
}

TEST(UnpackTriplets, TripletsKeepTheirOrderAndRows)
{
    const int width = 2, height = 3;
    Bytes triplets;
    for (int i = 0; i < width * height; ++i) {
        triplets.push_back(std::uint8_t(i));
        triplets.push_back(std::uint8_t(50 + i));
        triplets.push_back(std::uint8_t(100 + i));
    }
    Pixels pixels(6);
    ASSERT_TRUE(UnpackTriplets(LzhPack(triplets), pixels, width, height));
    for (int i = 0; i < width * height; ++i) {
        const Bytes expected = { std::uint8_t(i), std::uint8_t(50 + i), std::uint8_t(100 + i), 0 };
        EXPECT_EQ(PixelBytes(pixels[std::size_t(i)]), expected) << "pixel " << i;
    }
}

TEST(UnpackPictures, SizesThatDoNotMatchAreRefusedUntouched)
{
    const Bytes packed = LzhPack(MakePlanes(4, 3));
    Pixels pixels(12, 7);
    // Declared 36 bytes, but 4 × 4 × 3 = 48 are needed.
    Pixels bigger(16, 7);
    const Status r = UnpackPlanes(packed, bigger, 4, 4);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Failure(),
        (Error { ErrorKind::SizeMismatch,
            "declared size 36 does not match the 48 bytes the destination holds" }));
    EXPECT_EQ(bigger, Pixels(16, 7));
    // The destination does not hold width × height pixels.
    Pixels small(11, 7);
    EXPECT_EQ(UnpackTriplets(packed, small, 4, 3).Failure().Kind, ErrorKind::SizeMismatch);
    EXPECT_EQ(UnpackPlanes(packed, pixels, -4, -3).Failure().Kind, ErrorKind::SizeMismatch);
    EXPECT_EQ(pixels, Pixels(12, 7));
}

TEST(UnpackResource, DestinationMustHoldExactlyTheDeclaredSize)
{
    const Bytes input(1000, 'r');
    const Bytes packed = LzhPack(input);
    Bytes exact(1000), larger(1001, 3), smaller(999, 3);
    EXPECT_TRUE(UnpackResource(packed, exact));
    EXPECT_EQ(exact, input);
    EXPECT_EQ(UnpackResource(packed, larger).Failure().Kind, ErrorKind::SizeMismatch);
    EXPECT_EQ(UnpackResource(packed, smaller).Failure().Kind, ErrorKind::SizeMismatch);
    EXPECT_EQ(larger, Bytes(1001, 3));

    const Result<Bytes> block = UnpackResourceAlloc(packed);
    ASSERT_TRUE(block);
    EXPECT_EQ(block.Value(), input);
}

TEST(UnpackResource, BadHeadersAreRefused)
{
    Bytes out(4);
    EXPECT_EQ(UnpackResource(Bytes { 4, 0, 0 }, out).Failure(),
        (Error { ErrorKind::Damaged, "packed resource of 3 bytes has no declared size" }));
    // A header claiming more than the decoder allows, whatever the destination.
    const Bytes huge = { 0x01, 0x00, 0x00, 0x05 }; // 0x05000001 bytes
    EXPECT_EQ(UnpackResourceAlloc(huge).Failure().Kind, ErrorKind::TooLarge);
}

TEST(UnpackByName, UnknownNamesAndUnpackedResourcesAreErrors)
{
    Bytes out(16);
    const Status r = UnpackResource("NO_SUCH_RESOURCE", out);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Failure().Kind, ErrorKind::NotFound);
    EXPECT_NE(r.Failure().Message.find("NO_SUCH_RESOURCE"), std::string::npos);
    Pixels pixels(4);
    EXPECT_EQ(UnpackPlanes("NO_SUCH_RESOURCE", pixels, 2, 2).Failure().Kind, ErrorKind::NotFound);
    EXPECT_EQ(UnpackResourceAlloc("").Failure().Kind, ErrorKind::NotFound);

    for (const ResourceEntry& e : AllResources()) {
        if (e.Form != StoredForm::Lzhuf) {
            EXPECT_EQ(UnpackResourceAlloc(e.Name).Failure().Kind, ErrorKind::WrongForm) << e.Name;
            continue;
        }
        // Every packed resource unpacks by name to its declared size, and refuses a destination
        // one byte too large.
        const Result<Bytes> block = UnpackResourceAlloc(e.Name);
        ASSERT_TRUE(block) << e.Name << ": " << block.Failure().Message;
        EXPECT_EQ(block.Value().size(), ParseLzhContainer(e.Bytes).Value().DeclaredSize) << e.Name;
        Bytes larger(block.Value().size() + 1);
        const Status refused = UnpackResource(e.Name, larger);
        ASSERT_FALSE(refused) << e.Name;
        EXPECT_EQ(refused.Failure().Kind, ErrorKind::SizeMismatch) << e.Name;
        EXPECT_EQ(refused.Failure().Message.rfind(std::string(e.Name) + ": ", 0), 0u)
            << refused.Failure().Message;
    }
}

} // namespace
