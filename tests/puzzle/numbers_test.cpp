#include "puzzle/numbers.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(Numbers, ConversionsRoundHalvesToEvenAndSaturate) {
    struct Case {
        double value;
        Integer cint;
        Long clng;
        Long intPart;
    };
    const Case cases[] = {
        {9.5, 10, 10, 9},
        {12.5, 12, 12, 12},
        {15.5, 16, 16, 15},
        {-0.5, 0, 0, -1},
        {-1.5, -2, -2, -2},
        {1.271, 1, 1, 1},
        {0.417, 0, 0, 0},
        {-2.7, -3, -3, -3},
        {40000.0, 32767, 40000, 40000},
        {-40000.0, -32768, -40000, -40000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CInt(c.value), c.cint) << c.value;
        EXPECT_EQ(CLng(c.value), c.clng) << c.value;
        EXPECT_EQ(Int(c.value), c.intPart) << c.value;
    }
}

} // namespace
} // namespace tess
