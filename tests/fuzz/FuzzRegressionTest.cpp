// Every harness on its seeds and on every input kept in fuzz/regressions/NAME/ (each one found a
// fault once): the properties the harness checks hold for all of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzCheck.h"
#include "NetProtocol.h"
#include "NetScript.h"
#include "SeedCorpus.h"

namespace {

std::string FailureOf(const FuzzTarget& target, const std::string& input)
{
    try {
        target.Run(FuzzBytes(reinterpret_cast<const std::uint8_t*>(input.data()), input.size()));
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

class Harness : public testing::TestWithParam<FuzzTarget> { };

TEST_P(Harness, HoldsOnEverySeed)
{
    const std::vector<std::string> seeds = SeedsFor(GetParam().Name);
    ASSERT_GE(seeds.size(), 3u);
    for (std::size_t i = 0; i < seeds.size(); ++i)
        EXPECT_EQ(FailureOf(GetParam(), seeds[i]), "") << "seed " << i;
}

TEST_P(Harness, HoldsOnEveryInputThatOnceFoundAFault)
{
    const std::filesystem::path folder
        = std::filesystem::path(CORVANA_FUZZ_REGRESSIONS) / GetParam().Name;
    if (!std::filesystem::exists(folder))
        GTEST_SKIP() << "no input has found a fault of this reader";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string input { std::istreambuf_iterator<char>(in), {} };
        EXPECT_EQ(FailureOf(GetParam(), input), "") << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

// Empty and one-byte inputs are the first a fuzzer tries; each harness takes them.
TEST_P(Harness, TakesTheSmallestInputs)
{
    EXPECT_EQ(FailureOf(GetParam(), ""), "");
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(FailureOf(GetParam(), std::string(1, char(b))), "") << "byte " << b;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Harness, testing::ValuesIn(FuzzTargets),
    [](const testing::TestParamInfo<FuzzTarget>& info) {
        std::string name(info.param.Name);
        std::erase(name, '-');
        return name;
    });

// The seeds reach what they are meant to: a game is accepted, not only refused.
TEST(FuzzSeeds, GamesAreAcceptedWholeGamesOfBothSizes)
{
    const std::vector<std::string> saved = SeedsFor("saved-game");
    ASSERT_FALSE(saved.empty());
    std::size_t longest = 0;
    for (const std::string& s : saved)
        longest = std::max(longest, s.size());
    EXPECT_GT(longest, 17u + 156u * 50u); // a game played out holds well over 50 moves
    EXPECT_NE(SeedsFor("transcript")[0], SeedsFor("transcript")[2]);
}

// The harness's checks are not vacuous: a script whose peer's call is accepted reaches a game,
// and a peer that floods the reader is dropped.
TEST(FuzzNetSession, AScriptedCallerReachesTheGameAndAFloodIsDropped)
{
    NetScriptWriter s;
    s.Step(NetStep::Accept).Data(NetStep::Receive, 0, EncodeCall(true, true, "x"));
    s.Byte(DialogByte(true, 0));
    std::string goAndMove(1, MsgGo);
    goAndMove += EncodeMove(9, 9);
    s.Data(NetStep::Receive, 0, goAndMove);
    s.Step(NetStep::Receive).Byte(0).Byte(255).Byte(DialogByte(false, 0));
    EXPECT_EQ(FailureOf(FuzzTargets[4], s.Script()), "");
}

} // namespace
