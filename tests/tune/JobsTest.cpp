// The tuner's threads writing one file: everything they wrote is there, and a write that failed
// along the way is reported even when closing the file succeeds.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>

#include "Jobs.h"

namespace {

// Each job writes its lines, flushing after each as the tuner's commands do.
struct LineWriter {
    std::FILE* Out;
    std::atomic<int>* Next;
    void operator()() const
    {
        for (int i = 0; i < 50; ++i) {
            std::fprintf(Out, "line %d\n", Next->fetch_add(1));
            std::fflush(Out);
        }
    }
};

} // namespace

TEST(TuneJobs, EveryJobsLinesReachTheFileAndAFailedWriteIsSaid)
{
    const std::string name = ::testing::TempDir() + "corvana-jobs-test.txt";
    std::FILE* out = std::fopen(name.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::atomic<int> next { 0 };
    EXPECT_TRUE(RunJobsAndClose(3, LineWriter { out, &next }, out, name));
    std::ifstream in(name);
    int lines = 0;
    for (std::string line; std::getline(in, line);)
        ++lines;
    EXPECT_EQ(lines, 150);
    std::remove(name.c_str());

    // A full device takes the writes without complaint until they are flushed.
    std::FILE* full = std::fopen("/dev/full", "w");
    if (!full)
        GTEST_SKIP() << "no /dev/full here";
    std::atomic<int> more { 0 };
    testing::internal::CaptureStderr();
    EXPECT_FALSE(RunJobsAndClose(2, LineWriter { full, &more }, full, "/dev/full"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "corvana-tune: cannot write /dev/full\n");
}
