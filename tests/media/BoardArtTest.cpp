// The board's pictures at sizes other than the design's: at twice the design's size every
// sheet and both borders are what corvana-gen paints for that layout, to the byte; the still
// pictures come first and are the same as the whole sheet's; a new size after the first costs
// no master; and the work can be called off.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "BoardArt.h"
#include "SpriteStore.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// A bottom-up block as the planes the generator writes (red, green, blue planes, top row first).
std::vector<std::uint8_t> Planes(const PixelBlock& block)
{
    const std::size_t n = std::size_t(block.Width) * std::size_t(block.Height);
    std::vector<std::uint8_t> planes(3 * n);
    for (int y = 0; y < block.Height; ++y)
        for (int x = 0; x < block.Width; ++x) {
            const std::uint32_t p = block.At(x, block.Height - 1 - y);
            const std::size_t i = std::size_t(y) * std::size_t(block.Width) + std::size_t(x);
            planes[i] = std::uint8_t(p >> 16), planes[n + i] = std::uint8_t(p >> 8);
            planes[2 * n + i] = std::uint8_t(p);
        }
    return planes;
}

const char* const SheetNames[] = { "ANIM_B1", "ANIM_B2", "ANIM_B3" };

// The frame (f, band) of a bottom-up sheet as its rows.
std::vector<std::uint32_t> Frame(const PixelBlock& sheet, int cell, int band, int f)
{
    std::vector<std::uint32_t> out;
    for (int row = 0; row < cell; ++row)
        for (int x = 0; x < cell; ++x)
            out.push_back(sheet.At(f * cell + x, sheet.Height - 1 - band * cell - row));
    return out;
}

} // namespace

TEST(BoardArt, AtTwiceTheDesignsSizeItIsTheGeneratorsOwnRendering)
{
    // The layouts of the first size of the window on a screen of two device pixels to a pixel.
    for (const BoardArtKey layout :
        { BoardArtKey { 8, 122, 40, 0 }, BoardArtKey { 10, 98, 40, 0 } }) {
        const std::filesystem::path dir = std::filesystem::temp_directory_path()
            / ("corvana-art-" + std::to_string(layout.Size) + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        const std::string command = std::string("\"") + CORVANA_GEN + "\" \"" + dir.string()
            + "\" --layout " + std::to_string(layout.Size) + "," + std::to_string(layout.CellSize)
            + "," + std::to_string(layout.Margin) + " sheets borders >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        for (int set = 0; set < 3; ++set) {
            BoardArtKey key = layout;
            key.FigureSet = set;
            const Result<BoardArt> art = MakeBoardArt(key, true);
            ASSERT_TRUE(art) << art.Failure().Message;
            EXPECT_TRUE(Planes(art.Value().Sheet)
                == ReadFile(dir / (std::string(SheetNames[set]) + ".raw")))
                << SheetNames[set] << " at " << layout.CellSize;
            if (set == 0) {
                EXPECT_TRUE(Planes(art.Value().Horizontal) == ReadFile(dir / "BORDR_H.raw"))
                    << "board " << layout.Size;
                EXPECT_TRUE(Planes(art.Value().Vertical) == ReadFile(dir / "BORDR_V.raw"))
                    << "board " << layout.Size;
                EXPECT_EQ(art.Value().Horizontal.Width, layout.Size * layout.CellSize + 80);
                EXPECT_EQ(art.Value().Vertical.Height, layout.Size * layout.CellSize);
            }
        }
        std::filesystem::remove_all(dir);
    }
}

// What a board at rest shows is there first, the same to the pixel as in the whole sheet; the
// frames in mid-move repeat their band's first frame until the whole sheet is made.
TEST(BoardArt, TheStillPicturesComeFirstAndStayTheSame)
{
    const BoardArtKey key { 8, 110, 36, 1 };
    const Result<BoardArt> still = MakeBoardArt(key, false);
    const Result<BoardArt> whole = MakeBoardArt(key, true);
    ASSERT_TRUE(still && whole);
    EXPECT_FALSE(still.Value().Moving);
    EXPECT_TRUE(whole.Value().Moving);
    const int frames = FigureSetFor(1).Frames;
    int differ = 0;
    for (int band = 0; band < 8; ++band) {
        for (const int f : { 0, frames - 1 })
            EXPECT_EQ(
                Frame(still.Value().Sheet, 110, band, f), Frame(whole.Value().Sheet, 110, band, f))
                << "band " << band << " frame " << f;
        for (int f = 1; f < frames - 1; ++f) {
            EXPECT_EQ(
                Frame(still.Value().Sheet, 110, band, f), Frame(still.Value().Sheet, 110, band, 0));
            differ += Frame(whole.Value().Sheet, 110, band, f)
                != Frame(whole.Value().Sheet, 110, band, 0);
        }
    }
    EXPECT_GT(differ, 8 * (frames - 2) * 9 / 10); // the whole sheet moves
    EXPECT_TRUE(Planes(still.Value().Horizontal) == Planes(whole.Value().Horizontal));
}

// Once the masters exist, another size is only resampled; a size past twice the design's
// wants finer masters for its still pictures and frame, once.
TEST(BoardArt, ANewSizeCostsNoMaster)
{
    ForgetBoardArtMasters();
    const BoardArtKey first { 8, 100, 30, 2 };
    EXPECT_FALSE(BoardArtIsQuick(first));
    ASSERT_TRUE(MakeBoardArt(first, false));
    const int painted = BoardArtMastersPainted();
    for (const BoardArtKey other :
        { BoardArtKey { 8, 61, 22, 2 }, BoardArtKey { 8, 122, 40, 2 } }) {
        EXPECT_TRUE(BoardArtIsQuick(other)) << other.CellSize;
        ASSERT_TRUE(MakeBoardArt(other, false));
    }
    EXPECT_EQ(BoardArtMastersPainted(), painted);
    const BoardArtKey large { 8, 200, 60, 2 };
    EXPECT_FALSE(BoardArtIsQuick(large));
    EXPECT_FALSE(BoardArtIsQuick({ 10, 100, 30, 2 })); // the frame of the other board size
    EXPECT_FALSE(BoardArtIsQuick({ 8, 100, 30, 0 })); // another figure set
}

TEST(BoardArt, CalledOffItEndsWithAnErrorAndKeepsTheStore)
{
    const std::atomic<bool> cancel { true };
    ForgetBoardArtMasters();
    const Result<BoardArt> art = MakeBoardArt({ 8, 90, 30, 0 }, true, &cancel);
    EXPECT_FALSE(art);
    for (const BoardArtKey bad : { BoardArtKey { 9, 90, 30, 0 }, BoardArtKey { 8, 0, 30, 0 },
             BoardArtKey { 8, 90, 30, 3 }, BoardArtKey { 8, 90, 0, 0 } })
        EXPECT_FALSE(MakeBoardArt(bad, false)) << bad.Size << " " << bad.CellSize;
}
