// Tests of the compiled-in resources: every one is embedded exactly as the build pipeline made it
// (packed ones decode to the generator's bytes) and is found by its name.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "Lzh32.h"
#include "ResourceStore.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadGenerated(std::string_view name)
{
    std::ifstream f(
        std::string(CORVANA_RAW_RESOURCE_DIR) + "/" + std::string(name) + ".raw", std::ios::binary);
    EXPECT_TRUE(f) << "no generated file for " << name;
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

TEST(ResourceStore, EveryResourceIsEmbeddedAsGenerated)
{
    ASSERT_FALSE(AllResources().empty());
    for (const ResourceEntry& e : AllResources()) {
        const Bytes generated = ReadGenerated(e.Name);
        if (e.Form != StoredForm::Lzhuf) {
            EXPECT_EQ(Bytes(e.Bytes.begin(), e.Bytes.end()), generated) << e.Name;
            continue;
        }
        const Result<LzhContainer> container = ParseLzhContainer(e.Bytes);
        ASSERT_TRUE(container) << e.Name;
        const LzhContainer& c = container.Value();
        ASSERT_EQ(c.DeclaredSize, generated.size()) << e.Name;
        Bytes decoded(c.DeclaredSize);
        const Result<LzhDecoded> r = LzhDecode(c.Stream, c.DeclaredSize, decoded);
        ASSERT_TRUE(r) << e.Name;
        EXPECT_EQ(decoded, generated) << e.Name;
        EXPECT_EQ(r.Value().InputNeeded, c.Stream.size()) << e.Name;
        // Sounds are whole RIFF WAVE files, handed to the player as they are.
        if (decoded.size() >= 12 && std::string(decoded.begin(), decoded.begin() + 4) == "RIFF") {
            const std::uint32_t riffSize = std::uint32_t(decoded[4])
                | std::uint32_t(decoded[5]) << 8 | std::uint32_t(decoded[6]) << 16
                | std::uint32_t(decoded[7]) << 24;
            EXPECT_EQ(riffSize + 8, decoded.size()) << e.Name;
            EXPECT_EQ(std::string(decoded.begin() + 8, decoded.begin() + 12), "WAVE") << e.Name;
        }
    }
}

TEST(ResourceStore, BitmapsAreWholeWindowsBitmapFiles)
{
    for (const ResourceEntry& e : AllResources()) {
        if (e.Form != StoredForm::Bitmap)
            continue;
        ASSERT_GE(e.Bytes.size(), 54u) << e.Name;
        EXPECT_EQ(e.Bytes[0], 'B') << e.Name;
        EXPECT_EQ(e.Bytes[1], 'M') << e.Name;
        const std::uint32_t fileSize = std::uint32_t(e.Bytes[2]) | std::uint32_t(e.Bytes[3]) << 8
            | std::uint32_t(e.Bytes[4]) << 16 | std::uint32_t(e.Bytes[5]) << 24;
        EXPECT_EQ(fileSize, e.Bytes.size()) << e.Name;
    }
}

TEST(ResourceStore, NamesAreFoundExactlyAndOnlyThem)
{
    std::set<std::string_view> names;
    for (const ResourceEntry& e : AllResources()) {
        EXPECT_TRUE(names.insert(e.Name).second) << "twice: " << e.Name;
        const Result<ResourceEntry> found = FindResource(e.Name);
        ASSERT_TRUE(found) << e.Name;
        EXPECT_EQ(found.Value().Name, e.Name);
        EXPECT_EQ(found.Value().Form, e.Form);
        EXPECT_EQ(found.Value().Bytes.data(), e.Bytes.data()); // the compiled-in bytes themselves
        EXPECT_EQ(found.Value().Bytes.size(), e.Bytes.size());
        // Names are exact: another case or a prefix is a different, missing resource.
        std::string lower(e.Name);
        for (char& ch : lower)
            ch = char(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_FALSE(FindResource(lower));
        EXPECT_FALSE(FindResource(e.Name.substr(0, e.Name.size() - 1)));
    }
    const Result<ResourceEntry> missing = FindResource("ANIM_B9");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Failure(),
        (Error { ErrorKind::NotFound, "resource ANIM_B9 is not compiled into this program" }));
}

} // namespace
