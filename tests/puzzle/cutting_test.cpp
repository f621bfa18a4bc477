#include "puzzle/cutting.h"

#include "puzzle/grid.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace tess {
namespace {

TEST(Cutting, FitsThePictureAndCentresTheBoard) {
    const CutLayout small = ComputeCutLayout(640, 480, 8, 8, 800, 560);
    EXPECT_EQ(small.ImageWidth, 588);
    EXPECT_EQ(small.ImageHeight, 440);
    EXPECT_EQ(small.BoardLeft, 106);
    EXPECT_EQ(small.BoardTop, 60);

    const CutLayout large = ComputeCutLayout(1024, 768, 8, 8, 800, 560);
    EXPECT_EQ(large.ImageHeight, 506);
    EXPECT_EQ(large.ImageWidth, 676);
    EXPECT_EQ(large.CellHeight, 63);
    EXPECT_EQ(large.CellWidth, 84);
    EXPECT_EQ(large.TabHeight, 21);
    EXPECT_EQ(large.TabWidth, 28);
    EXPECT_EQ(large.BoardLeft, 62);
    EXPECT_EQ(large.BoardTop, 27);
    EXPECT_EQ(large.BoardRect, (Rect{62, 27, 734, 531}));

    // Height between SH - 8 and SH keeps its height; the width test is against SW - 8.
    const CutLayout tall = ComputeCutLayout(600, 556, 2, 2, 800, 560);
    EXPECT_EQ(tall.ImageHeight, 556 - 2 * (278 / 3));
    const CutLayout wide = ComputeCutLayout(796, 300, 2, 2, 800, 560);
    EXPECT_EQ(wide.ImageWidth, 792 - 2 * (396 / 3));
    EXPECT_EQ(wide.ImageHeight, 300 * 792 / 796 - 2 * ((300 * 792 / 796 / 2) / 3));
}

TEST(Cutting, PiecesGetTheirCellsAndHomes) {
    Puzzle puzzle;
    puzzle.NumberOfPieces = 64;
    puzzle.PuzzleColumns = 8;
    puzzle.PuzzleRows = 8;
    NumberPieces(puzzle);
    ApplyCutLayout(puzzle, ComputeCutLayout(1024, 768, 8, 8, 800, 560));
    EXPECT_EQ(puzzle.Pieces[1].HomeX, 35);
    EXPECT_EQ(puzzle.Pieces[1].HomeY, 7);
    EXPECT_EQ(puzzle.Pieces[1].CellRect, (Rect{0, 0, 84, 63}));
    EXPECT_EQ(puzzle.Pieces[10].CellRect, (Rect{84, 63, 168, 126}));
    EXPECT_EQ(puzzle.Pieces[10].HomeX, 62 + 1 + 84 - 28);
    EXPECT_EQ(puzzle.Pieces[10].HomeY, 27 + 1 + 63 - 21);
    const LineSizes lines = OutlineLineSizes(puzzle);
    EXPECT_EQ(lines.EdgeStubHWidth, 38);
    EXPECT_EQ(lines.EdgeStubVHeight, 28);
    EXPECT_EQ(lines.FrameLineHWidth, 8 * 84 + 2);
    EXPECT_EQ(lines.FrameLineVHeight, 8 * 63 + 2);
    EXPECT_EQ(lines.EdgeLineHWidth, 86);
    EXPECT_EQ(lines.EdgeLineVHeight, 63);

    Puzzle small;
    small.PuzzleColumns = 3;
    small.PuzzleRows = 3;
    small.CellWidth = 60;
    small.CellHeight = 45;
    small.TabWidth = 20;
    small.TabHeight = 15;
    EXPECT_EQ(OutlineLineSizes(small).EdgeStubVHeight, 20);
    EXPECT_EQ(OutlineLineSizes(small).EdgeStubHWidth, 27);
}

TEST(Cutting, CurveScheduleGivesTheWorkedInsets) {
    const std::vector<Integer> worked{6, 5, 5, 4, 3, 3, 3, 3, 4, 4, 5, 6, 7, 8, 12};
    EXPECT_EQ(CurveInsets(60, 15, CurveKind::Socket), worked);
    EXPECT_EQ(CurveInsets(60, 15, CurveKind::Knob), worked);
    // Deep tabs: the socket holds k at -4 (k + 9 = 5), the knob runs on and ends when
    // k + 9 falls below 2.5. Depth 31: phase 2 ends at k = -5.7.
    const std::vector<Integer> socket = CurveInsets(100, 31, CurveKind::Socket);
    const std::vector<Integer> knob = CurveInsets(100, 31, CurveKind::Knob);
    ASSERT_EQ(socket.size(), 31u);
    ASSERT_EQ(knob.size(), 31u);
    EXPECT_EQ(socket[30], 100 / 5);
    EXPECT_EQ(knob[30], 100 / 3); // k + 9 = 3.3
    // Depth 41: k peaks at 29; the knob's last row has k + 9 = 4 (j = 39) and j = 40 with
    // 2.3 ends it, while the socket keeps k + 9 at 5 from j = 38 on.
    const std::vector<Integer> deepKnob = CurveInsets(100, 41, CurveKind::Knob);
    EXPECT_EQ(deepKnob.size(), 40u);
    EXPECT_EQ(deepKnob.back(), 25);
    const std::vector<Integer> deepSocket = CurveInsets(100, 41, CurveKind::Socket);
    EXPECT_EQ(deepSocket.size(), 41u);
    EXPECT_EQ(deepSocket[39], 20);
    EXPECT_EQ(deepSocket[40], 20);
}

// The rows of the margin above the cell that a piece's copies fill, as widths.
std::map<Long, Long> KnobRowWidths(const std::vector<PieceCopy>& copies, Long tabHeight) {
    std::map<Long, Long> widths;
    for (const PieceCopy& c : copies) {
        if (c.Y < tabHeight) {
            widths[tabHeight - 1 - c.Y] += c.Source.Right - c.Source.Left;
        }
    }
    return widths;
}

TEST(Cutting, TheKnobOfAnInnerPieceHasTheWorkedShape) {
    Puzzle puzzle;
    puzzle.NumberOfPieces = 9;
    puzzle.PuzzleColumns = 3;
    puzzle.PuzzleRows = 3;
    NumberPieces(puzzle);
    CutLayout layout;
    layout.CellWidth = 60;
    layout.CellHeight = 45;
    layout.TabWidth = 20;
    layout.TabHeight = 15;
    ApplyCutLayout(puzzle, layout);
    const CutPlan plan = MakeCutPlan(puzzle);

    // Piece 8 (column 1, row 2, odd parity) has a knob on its top side.
    std::vector<PieceCopy> copies;
    const PieceRecord& centre = puzzle.Pieces[8];
    ASSERT_EQ(centre.TopOut, kTrue);
    PieceCopies(centre, plan, copies);
    // Five blocks first: four corners, then the centre block.
    ASSERT_GE(copies.size(), 5u);
    EXPECT_EQ(copies[0].Source, (Rect{60, 90, 80, 105}));
    EXPECT_EQ(copies[0].X, 20) << "the cell sits at (TabWidth, TabHeight) in the surface";
    EXPECT_EQ(copies[0].Y, 15);
    EXPECT_EQ(copies[4].Source, (Rect{80, 105, 100, 120}));
    EXPECT_EQ(copies[4].X, 40);
    EXPECT_EQ(copies[4].Y, 30);

    const std::map<Long, Long> knob = KnobRowWidths(copies, 15);
    EXPECT_EQ(knob.at(0), 8) << "8 pixels at the cell edge";
    for (Long row = 4; row <= 7; ++row) {
        EXPECT_EQ(knob.at(row), 14) << row;
    }
    EXPECT_EQ(knob.rbegin()->first, 13) << "row 14 is empty";
    EXPECT_EQ(knob.at(13), 4);
    for (const auto& [row, width] : knob) {
        EXPECT_LE(width, 14) << row;
    }
    // The knob row at distance j above piece 8 comes from the piece above, whose bottom
    // socket leaves exactly that strip out at the same distance.
    const PieceRecord& above = puzzle.Pieces[5];
    ASSERT_EQ(above.BottomOut, kFalse);
    std::vector<PieceCopy> aboveCopies;
    PieceCopies(above, plan, aboveCopies);
    for (Long j = 0; j < 15; ++j) {
        const Long pictureRow = 90 - 1 - j;
        std::vector<bool> columns(60, false);
        for (const PieceCopy& c : aboveCopies) {
            if (c.Source.Top <= pictureRow && pictureRow < c.Source.Bottom) {
                for (Long x = c.Source.Left; x < c.Source.Right; ++x) {
                    columns[x - 60] = true;
                }
            }
        }
        const Long covered = Long(std::count(columns.begin(), columns.end(), true));
        const Long knobWidth = knob.count(j) ? knob.at(j) : 0;
        EXPECT_EQ(covered, 60 - std::min<Long>(knobWidth, 60)) << j;
    }
    // A border piece has no knob: piece 1's margins above and to the left stay empty.
    PieceCopies(puzzle.Pieces[1], plan, copies);
    for (const PieceCopy& c : copies) {
        EXPECT_GE(c.X, 20);
        EXPECT_GE(c.Y, 15);
    }
}

} // namespace
} // namespace tess
