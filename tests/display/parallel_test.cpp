// Work shared out among the cores: a failure in one part reaches the caller.
#include "display/parallel.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace tess {
namespace {

TEST(Parallel, RethrowsAFailureOnceAllPartsHaveEnded) {
    std::atomic<int> ended{0};
    auto failing = [&](int part) {
        if (part == 1) {
            throw std::runtime_error("no memory");
        }
        ++ended;
    };
    EXPECT_THROW(RunParts(3, failing), std::runtime_error);
    EXPECT_EQ(ended, 2);
}

} // namespace
} // namespace tess
