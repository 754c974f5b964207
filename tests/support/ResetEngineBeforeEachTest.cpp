// Linked into a GoogleTest program: every test begins with the engine's process-wide state as a
// new process has it, whatever the tests before it left.
#include <gtest/gtest.h>

#include "EngineState.h"

namespace {

class ResetBeforeEachTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { ResetEngineState(); }
};

const bool Installed = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ResetBeforeEachTest);
    return true;
}();

} // namespace
