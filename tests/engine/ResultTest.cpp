// The error type every reader returns: a value or an error with its kind and message, and a
// misuse (the value of a failure, the error of a success) refused instead of read.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Result.h"

namespace {

Result<int> Half(int n)
{
    if (n % 2 != 0)
        return Error { ErrorKind::Damaged, std::to_string(n) + " is odd" };
    return n / 2;
}

Status Check(bool good)
{
    if (!good)
        return Error { ErrorKind::Io, "it could not be written" };
    return {};
}

// A failure passed on from one result to another keeps its kind and message.
Result<std::string> Quarter(int n)
{
    const Result<int> half = Half(n);
    if (!half)
        return half.Failure();
    const Result<int> quarter = Half(half.Value());
    if (!quarter)
        return quarter.Failure();
    return std::to_string(quarter.Value());
}

} // namespace

TEST(Result, HoldsAValue)
{
    const Result<int> r = Half(10);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(static_cast<bool>(r));
    EXPECT_EQ(r.Value(), 5);
    EXPECT_THROW((void)r.Failure(), BadResultAccess);
}

TEST(Result, HoldsAnError)
{
    const Result<int> r = Half(7);
    ASSERT_FALSE(r.Ok());
    EXPECT_FALSE(static_cast<bool>(r));
    EXPECT_EQ(r.Failure().Kind, ErrorKind::Damaged);
    EXPECT_EQ(r.Failure().Message, "7 is odd");
    EXPECT_EQ(r.Failure(), (Error { ErrorKind::Damaged, "7 is odd" }));
    EXPECT_THROW((void)r.Value(), BadResultAccess);
}

TEST(Result, PassesAFailureOn)
{
    EXPECT_EQ(Quarter(12).Value(), "3");
    EXPECT_EQ(Quarter(5).Failure().Message, "5 is odd");
    EXPECT_EQ(Quarter(6).Failure(), (Error { ErrorKind::Damaged, "3 is odd" }));
}

TEST(Result, MovesItsValueOut)
{
    Result<std::unique_ptr<int>> r = std::make_unique<int>(42);
    std::unique_ptr<int> taken = std::move(r).Value();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(*taken, 42);
    Result<std::unique_ptr<int>> failed = Error { ErrorKind::NotFound, "gone" };
    EXPECT_THROW((void)std::move(failed).Value(), BadResultAccess);
}

TEST(Status, SuccessOrError)
{
    const Status good = Check(true);
    EXPECT_TRUE(good.Ok());
    EXPECT_THROW((void)good.Failure(), BadResultAccess);

    const Status bad = Check(false);
    ASSERT_FALSE(bad.Ok());
    EXPECT_FALSE(static_cast<bool>(bad));
    EXPECT_EQ(bad.Failure().Kind, ErrorKind::Io);
    EXPECT_EQ(bad.Failure().Message, "it could not be written");
}

TEST(Result, TheMisuseNamesTheError)
{
    try {
        (void)Half(3).Value();
        FAIL() << "the value of a failure was handed out";
    } catch (const BadResultAccess& e) {
        EXPECT_NE(std::string(e.what()).find("3 is odd"), std::string::npos) << e.what();
    }
}
