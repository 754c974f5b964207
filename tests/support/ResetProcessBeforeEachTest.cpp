// Linked into a GoogleTest program: every test begins with every process-wide value as a new
// process has it (ResetProcessState), whatever the tests before it left.
#include <gtest/gtest.h>

#include "ProcessState.h"

namespace {

class ResetBeforeEachTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { ResetProcessState(); }
};

const bool Installed = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ResetBeforeEachTest);
    return true;
}();

} // namespace
