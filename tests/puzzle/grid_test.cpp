// The grid a piece count and a picture shape give, and the checkerboard of side shapes.
#include "groups/play_models.h"

namespace tess::test {
namespace {

TEST(Grid, KeepsTheDivisorsUpToTheSquareRootAndChoosesTheWorkedGrids) {
    EXPECT_EQ(CandidateDivisors(64), Ints({0, 2, 4, 8}));
    EXPECT_EQ(CandidateDivisors(100), Ints({0, 2, 4, 5, 10}));
    EXPECT_EQ(CandidateDivisors(12), Ints({0, 2, 3}));
    EXPECT_EQ(CandidateDivisors(4), Ints({0, 2}));
    EXPECT_EQ(CandidateDivisors(13), Ints({0}));
    struct Case {
        Integer n, width, height, columns, rows;
    };
    const Case cases[] = {
        {64, 640, 480, 8, 8},    {12, 640, 480, 4, 3}, {12, 480, 640, 2, 6}, {12, 500, 500, 3, 4},
        {4, 640, 480, 2, 2},     {4, 480, 640, 2, 2},  {6, 640, 480, 3, 2},  {6, 480, 640, 2, 3},
        {100, 640, 480, 10, 10}, // bestDiff 1; only k = 4 (v = 1) comes below it
        {13, 640, 480, 13, 1},   // no candidate: one row for a landscape picture
        {13, 480, 640, 1, 13},   // and one column for a portrait or square one
    };
    for (const Case& c : cases) {
        const std::vector<Integer> divisors = CandidateDivisors(c.n);
        EXPECT_EQ(ChooseGrid(c.n, divisors, Integer(divisors.size() - 1), c.width, c.height),
                  (Grid{c.columns, c.rows}))
            << c.n << " " << c.width << "x" << c.height;
    }
    EXPECT_FALSE(ChooseGrid(0, {0}, 0, 640, 480).has_value());
}

TEST(Grid, SidesFormACheckerboardWithStraightBorders) {
    for (const auto& [columns, rows] : {std::pair{8, 8}, std::pair{4, 3}, std::pair{1, 13}}) {
        // MakePuzzle numbers the pieces; the invariants check home cells, straight border
        // sides and one knob on every inner edge.
        const Puzzle p = MakePuzzle(columns, rows);
        EXPECT_CONSISTENT(p);
        ASSERT_EQ(p.Pieces.size(), std::size_t(columns * rows + 1));
        const PieceRecord& first = p.Pieces[1];
        EXPECT_EQ((std::vector{first.TopOut, first.LeftOut, first.RightOut, first.BottomOut}),
                  (std::vector{kTrue, kTrue, kTrue, kFalse}));
    }
    // Inner pieces of even parity have knobs left and right, of odd parity top and bottom.
    const Puzzle p = MakePuzzle(3, 3, 60, 45);
    EXPECT_EQ((std::vector{p.Pieces[5].LeftOut, p.Pieces[5].RightOut, p.Pieces[5].TopOut,
                           p.Pieces[5].BottomOut}),
              (std::vector{kTrue, kTrue, kFalse, kFalse}));
}

} // namespace
} // namespace tess::test
