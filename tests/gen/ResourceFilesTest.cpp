// corvana-gen's output as a whole: every resource of the intro, sounds and rules groups exists
// with the size the program's resource table declares, and the output is reproducible.
#include <gtest/gtest.h>

#include "GeneratedFiles.h"

namespace fs = std::filesystem;

namespace {

struct TDeclared {
    const char* Name;
    std::size_t Size;
};

const TDeclared DeclaredSizes[] = {
    { "INTRO_BACKFON", 196608 },
    { "INTRO_FONTIM", 56400 },
    { "INTRO_FRONTIM", 98800 },
    { "INTRO_3DMESH", 23674 },
    { "INTRO_GRAD", 256 },
    { "SOUND_BUGS", 16948 },
    { "SOUND_CLICK", 2742 },
    { "SOUND_CONNECT", 9734 },
    { "SOUND_CONNECTED", 4078 },
    { "SOUND_DISCONNECT", 9602 },
    { "SOUND_FLAME", 14012 },
    { "SOUND_HINT", 13228 },
    { "SOUND_LEGAL", 340 },
    { "SOUND_MESSAGE", 3512 },
    { "SOUND_ROTATE", 12542 },
};

TEST(ResourceFiles, EveryResourceHasItsDeclaredSize)
{
    for (const TDeclared& d : DeclaredSizes)
        EXPECT_EQ(Generated(d.Name).size(), d.Size) << d.Name;
    // The rules documents have no fixed size; the program's are 5 to 6 KB, the Russian one about
    // 15 KB (four bytes for each escaped letter).
    for (const char* name : { "RULERS_TEXT", "RULERS_TEXT_DE", "RULERS_TEXT_RU" }) {
        const std::size_t rules = Generated(name).size();
        EXPECT_GT(rules, 4500u) << name;
        EXPECT_LT(rules, 20000u) << name;
    }
}

TEST(ResourceFiles, AnotherRunGivesIdenticalBytes)
{
    // Run without previews, unlike the build: writing previews must not change the resources.
    const TTempDir again("again");
    ASSERT_TRUE(RunGenerator(again.Path(), "intro sounds rules"));
    for (const TDeclared& d : DeclaredSizes)
        EXPECT_EQ(ReadFileBytes(again.Path() / (std::string(d.Name) + ".raw")), Generated(d.Name))
            << d.Name;
    EXPECT_EQ(ReadFileBytes(again.Path() / "RULERS_TEXT.raw"), Generated("RULERS_TEXT"));
}

TEST(ResourceFiles, GroupsAreChosenOnTheCommandLine)
{
    const TTempDir dir("rules");
    ASSERT_TRUE(RunGenerator(dir.Path(), "rules"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 3);
    for (const char* name : { "RULERS_TEXT", "RULERS_TEXT_DE", "RULERS_TEXT_RU" })
        EXPECT_EQ(ReadFileBytes(dir.Path() / (std::string(name) + ".raw")), Generated(name)) << name;
    // A misspelt group is an error, not an empty run that leaves old files in place.
    const TTempDir other("unknown");
    EXPECT_FALSE(RunGenerator(other.Path(), "sound"));
    EXPECT_FALSE(fs::exists(other.Path()));
}

} // namespace
