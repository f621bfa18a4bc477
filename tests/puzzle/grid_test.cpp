#include "puzzle/grid.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(Grid, KeepsTheDivisorsUpToTheSquareRoot) {
    struct Case {
        Integer n;
        std::vector<Integer> kept;
    };
    for (const Case& c : {Case{64, {0, 2, 4, 8}}, Case{100, {0, 2, 4, 5, 10}}, Case{12, {0, 2, 3}},
                          Case{4, {0, 2}}, Case{6, {0, 2}}, Case{13, {0}}, Case{1, {0}}}) {
        EXPECT_EQ(CandidateDivisors(c.n), c.kept) << c.n;
    }
}

TEST(Grid, ChoosesColumnsAndRowsAsTheWorkedGridsShow) {
    struct Case {
        Integer n, width, height, columns, rows;
    };
    const Case cases[] = {
        {64, 640, 480, 8, 8},    {12, 640, 480, 4, 3}, {12, 480, 640, 2, 6}, {12, 500, 500, 3, 4},
        {4, 640, 480, 2, 2},     {4, 480, 640, 2, 2},  {6, 640, 480, 3, 2},  {6, 480, 640, 2, 3},
        {100, 640, 480, 10, 10}, // bestDiff 1; only k = 4 (v = 1) comes below it
        {13, 640, 480, 13, 1},   // no candidate: one row for a landscape picture
        {13, 480, 640, 1, 13},   // and one column for a portrait or square one
        {1, 100, 100, 1, 1},
    };
    for (const Case& c : cases) {
        const std::vector<Integer> divisors = CandidateDivisors(c.n);
        const auto grid =
            ChooseGrid(c.n, divisors, Integer(divisors.size() - 1), c.width, c.height);
        ASSERT_TRUE(grid.has_value()) << c.n;
        EXPECT_EQ(grid->Columns, c.columns) << c.n << " " << c.width << "x" << c.height;
        EXPECT_EQ(grid->Rows, c.rows) << c.n << " " << c.width << "x" << c.height;
    }
    EXPECT_FALSE(ChooseGrid(0, {0}, 0, 640, 480).has_value());
    EXPECT_FALSE(ChooseGrid(-5, {0}, 0, 640, 480).has_value());
}

TEST(Grid, SidesFormACheckerboardWithOneKnobPerInnerEdge) {
    for (const auto& [columns, rows] : {std::pair{8, 8}, std::pair{2, 2}, std::pair{4, 3}}) {
        Puzzle puzzle;
        puzzle.NumberOfPieces = Integer(columns * rows);
        puzzle.PuzzleColumns = Integer(columns);
        puzzle.PuzzleRows = Integer(rows);
        NumberPieces(puzzle);
        ASSERT_EQ(puzzle.Pieces.size(), std::size_t(columns * rows + 1));
        ASSERT_EQ(puzzle.Groups.size(), puzzle.Pieces.size());
        const PieceRecord& first = puzzle.Pieces[1];
        EXPECT_EQ(first.TopOut, kTrue);
        EXPECT_EQ(first.LeftOut, kTrue);
        EXPECT_EQ(first.RightOut, kTrue);
        EXPECT_EQ(first.BottomOut, kFalse);
        for (int i = 1; i <= columns * rows; ++i) {
            const PieceRecord& p = puzzle.Pieces[i];
            EXPECT_EQ(p.Col, (i - 1) % columns);
            EXPECT_EQ(p.Row, (i - 1) / columns);
            // Border sides are always solid.
            EXPECT_TRUE(p.Row != 0 || p.TopOut) << i;
            EXPECT_TRUE(p.Row != rows - 1 || p.BottomOut) << i;
            EXPECT_TRUE(p.Col != 0 || p.LeftOut) << i;
            EXPECT_TRUE(p.Col != columns - 1 || p.RightOut) << i;
            if (p.Col < columns - 1) {
                EXPECT_NE(p.RightOut, puzzle.Pieces[i + 1].LeftOut) << i;
            }
            if (p.Row < rows - 1) {
                EXPECT_NE(p.BottomOut, puzzle.Pieces[i + columns].TopOut) << i;
            }
        }
    }
}

} // namespace
} // namespace tess
