// The intro's alphabet, greeting and glyph scan.
#include <gtest/gtest.h>

#include <set>

#include "IntroGlyphs.h"
#include "IntroText.h"

namespace {

TEST(IntroAlphabet, HoldsTheCharactersInKeyboardOrder)
{
    ASSERT_EQ(IntroAlphabet.size(), 148u);
    EXPECT_EQ(IntroAlphabet.substr(0, 20), " .,:;!?\"%&*/<>$[]()-");
    EXPECT_EQ(IntroAlphabet.substr(20, 10), "0123456789");
    EXPECT_EQ(IntroAlphabet.substr(30, 26), "qwertyuiopasdfghjklzxcvbnm");
    EXPECT_EQ(IntroAlphabet.substr(56, 26), "QWERTYUIOPASDFGHJKLZXCVBNM");
    // Code page 1251: й is 0xE9, ё 0xB8, Й 0xC9, Ё 0xA8, ю 0xFE, Ю 0xDE.
    EXPECT_EQ(std::uint8_t(IntroAlphabet[82]), 0xE9);
    EXPECT_EQ(std::uint8_t(IntroAlphabet[113]), 0xFE);
    EXPECT_EQ(std::uint8_t(IntroAlphabet[114]), 0xB8);
    EXPECT_EQ(std::uint8_t(IntroAlphabet[115]), 0xC9);
    EXPECT_EQ(std::uint8_t(IntroAlphabet[146]), 0xDE);
    EXPECT_EQ(std::uint8_t(IntroAlphabet[147]), 0xA8);
    // Each character once, so a text converts to exactly one glyph per character.
    EXPECT_EQ(std::set<char>(IntroAlphabet.begin(), IntroAlphabet.end()).size(), 148u);
    for (std::size_t i = 0; i < IntroAlphabetSize; ++i)
        EXPECT_EQ(UnicodeFromCp1251(std::uint8_t(IntroAlphabet[i])), IntroAlphabetUnicode[i]) << i;
}

TEST(IntroGreeting, IsTheScrollTextOfTheIntro)
{
    EXPECT_EQ(IntroGreeting.size(), 288u);
    EXPECT_EQ(IntroGreeting.rfind("RESPECTED USERS !", 0), 0u);
    EXPECT_EQ(IntroGreeting.back(), ' ');
    const std::vector<std::uint8_t> codes = ConvertText(IntroGreeting);
    ASSERT_EQ(codes.size(), IntroGreeting.size());
    for (std::size_t i = 0; i < codes.size(); ++i)
        EXPECT_TRUE(codes[i] != 1 || IntroGreeting[i] == ' ')
            << "'" << IntroGreeting[i] << "' is not in the alphabet";
}

TEST(ConvertText, MapsCharactersToGlyphCodes)
{
    EXPECT_EQ(ConvertText(" .q"), (std::vector<std::uint8_t> { 1, 2, 31 }));
    EXPECT_EQ(ConvertText("\xA8"), (std::vector<std::uint8_t> { 148 })); // Ё, the last one
    // Characters outside the alphabet become the blank glyph.
    EXPECT_EQ(ConvertText("'#\t"), (std::vector<std::uint8_t> { 1, 1, 1 }));
    EXPECT_TRUE(ConvertText("").empty());
}

// A strip of blank columns with ink where asked: {first, last} column runs, rows 5..12.
std::vector<std::uint8_t> Strip(std::initializer_list<std::pair<int, int>> runs)
{
    std::vector<std::uint8_t> strip(
        std::size_t(GlyphStripWidth) * GlyphStripHeight, GlyphStripBlank);
    for (const auto& [first, last] : runs)
        for (int x = first; x <= last; ++x)
            for (int row = 5; row <= 12; ++row)
                strip[std::size_t(row) * GlyphStripWidth + std::size_t(x)] = 0;
    return strip;
}

TEST(ScanGlyphs, SplitsInkRunsAtBlankColumns)
{
    const Result<TGlyphScan> scanned = ScanGlyphs(Strip({ { 7, 9 }, { 11, 11 }, { 20, 25 } }));
    ASSERT_TRUE(scanned) << scanned.Failure().Message;
    const TGlyphScan& scan = scanned.Value();
    EXPECT_EQ(scan.Found, 3);
    const TGlyphEntry& blank = scan.Table[0];
    EXPECT_EQ(blank.First, 0);
    EXPECT_EQ(blank.End, 6);
    EXPECT_EQ(blank.Width, 6);
    // Each glyph is drawn with the blank column that ends it.
    EXPECT_EQ(scan.Table[1].First, 7);
    EXPECT_EQ(scan.Table[1].End, 10);
    EXPECT_EQ(scan.Table[1].Width, 4);
    EXPECT_EQ(scan.Table[2].First, 11);
    EXPECT_EQ(scan.Table[2].Width, 2);
    EXPECT_EQ(scan.Table[3].First, 20);
    EXPECT_EQ(scan.Table[3].Width, 7);
    EXPECT_EQ(scan.Table[4].First, 0); // nothing more to find
    EXPECT_EQ(scan.Table[200].Width, 0);
}

TEST(ScanGlyphs, HandlesInkAtTheStripEdges)
{
    // Ink in column 0 is never a glyph start (the search begins at column 1); ink reaching the
    // last column has no blank column to end it, so its end is not found.
    const Result<TGlyphScan> scanned = ScanGlyphs(Strip({ { 0, 3 }, { 2815, 2819 } }));
    ASSERT_TRUE(scanned) << scanned.Failure().Message;
    const TGlyphScan& scan = scanned.Value();
    EXPECT_EQ(scan.Table[1].First, 1);
    EXPECT_EQ(scan.Table[1].End, 4);
    EXPECT_EQ(scan.Table[2].First, 2815);
    EXPECT_EQ(scan.Table[2].End, 0);
    EXPECT_EQ(scan.Found, 1);
}

TEST(ScanGlyphs, RefusesAStripOfTheWrongSize)
{
    std::vector<std::uint8_t> strip(100, GlyphStripBlank);
    EXPECT_EQ(ScanGlyphs(strip).Failure(),
        (Error { ErrorKind::SizeMismatch, "glyph strip has 100 bytes, expected 56400" }));
}

} // namespace
