// Fitting the picture, the cut sizes, the curve schedule and the copies that shape a piece.
#include "groups/play_models.h"

#include <map>

namespace tess::test {
namespace {

TEST(Cutting, FitsThePictureAndCentresTheBoard) {
    struct Case {
        Integer width, height, columns, rows;
        Long imageWidth, imageHeight, boardLeft, boardTop;
    };
    const Case cases[] = {
        {640, 480, 8, 8, 588, 440, 106, 60},  // smaller than the field: only the knob margin
        {1024, 768, 8, 8, 676, 506, 62, 27},  // 736 x 552 before the knob margin
        {600, 556, 2, 2, 400, 372, 200, 94},  // height above 552 but within 560 is kept
        {796, 300, 2, 2, 528, 200, 136, 180}, // width above 792 is fitted
    };
    for (const Case& c : cases) {
        const CutLayout l = ComputeCutLayout(c.width, c.height, c.columns, c.rows, 800, 560);
        EXPECT_EQ((std::vector<Long>{l.ImageWidth, l.ImageHeight, l.BoardLeft, l.BoardTop}),
                  (std::vector<Long>{c.imageWidth, c.imageHeight, c.boardLeft, c.boardTop}))
            << c.width << " x " << c.height;
    }
    Puzzle p = MakePuzzle(8, 8); // for NumberPieces
    const CutLayout large = ComputeCutLayout(1024, 768, 8, 8, 800, 560);
    EXPECT_EQ(
        (std::vector<Integer>{large.CellWidth, large.CellHeight, large.TabWidth, large.TabHeight}),
        (std::vector<Integer>{84, 63, 28, 21}));
    EXPECT_EQ(large.BoardRect, (Rect{62, 27, 734, 531}));
    ApplyCutLayout(p, large);
    EXPECT_EQ((std::vector<Long>{p.Pieces[1].HomeX, p.Pieces[1].HomeY, p.Pieces[10].HomeX,
                                 p.Pieces[10].HomeY}),
              (std::vector<Long>{35, 7, 119, 70}));
    EXPECT_EQ(p.Pieces[10].CellRect, (Rect{84, 63, 168, 126}));
    const LineSizes lines = OutlineLineSizes(p);
    EXPECT_EQ(
        (std::vector<Long>{lines.FrameLineHWidth, lines.FrameLineVHeight, lines.EdgeLineHWidth,
                           lines.EdgeLineVHeight, lines.EdgeStubHWidth, lines.EdgeStubVHeight}),
        (std::vector<Long>{674, 506, 86, 63, 38, 28}));
    const LineSizes small = OutlineLineSizes(MakePuzzle(3, 3, 60, 45));
    EXPECT_EQ(small.EdgeStubHWidth, 27);
    EXPECT_EQ(small.EdgeStubVHeight, 20) << "no extra pixel";
}

TEST(Cutting, CurveScheduleGivesTheWorkedInsets) {
    const std::vector<Integer> worked = Ints({6, 5, 5, 4, 3, 3, 3, 3, 4, 4, 5, 6, 7, 8, 12});
    EXPECT_EQ(CurveInsets(60, 15, CurveKind::Socket), worked);
    EXPECT_EQ(CurveInsets(60, 15, CurveKind::Knob), worked);
    // Depth 41: k peaks at 29 and falls by 1.7 a row. From row 39 on the socket holds k at
    // -4 (k + 9 = 5), while the knob's row 39 has k + 9 = 4 and row 40, at 2.3, ends it.
    const std::vector<Integer> knob = CurveInsets(100, 41, CurveKind::Knob);
    const std::vector<Integer> socket = CurveInsets(100, 41, CurveKind::Socket);
    ASSERT_EQ(knob.size(), 40u);
    ASSERT_EQ(socket.size(), 41u);
    EXPECT_EQ(knob[39], 25);
    EXPECT_EQ(socket[39], 20);
    EXPECT_EQ(socket[40], 20);
}

TEST(Cutting, AnInnerKnobHasTheWorkedShapeAndFillsTheSocketFacingIt) {
    const Puzzle puzzle = MakePuzzle(3, 3, 60, 45);
    const CutPlan plan = MakeCutPlan(puzzle);
    // Piece 8 (column 1, row 2) has a knob on its top side, piece 5 above it a socket.
    std::vector<PieceCopy> copies;
    PieceCopies(puzzle.Pieces[8], plan, copies);
    ASSERT_GE(copies.size(), 5u);
    // Four corner blocks, then the centre block, each where the picture lies in the window.
    EXPECT_EQ(copies[0].Source, (Rect{60, 90, 80, 105}));
    EXPECT_EQ((std::vector<Long>{copies[0].X, copies[0].Y}), (std::vector<Long>{20, 15}));
    EXPECT_EQ(copies[4].Source, (Rect{80, 105, 100, 120}));
    EXPECT_EQ((std::vector<Long>{copies[4].X, copies[4].Y}), (std::vector<Long>{40, 30}));

    // The pixels of each picture row above piece 8's cell that piece 8 and piece 5 copy.
    const auto coverage = [&](const PieceRecord& piece, Long pictureRow) {
        PieceCopies(piece, plan, copies);
        std::vector<bool> columns(60, false);
        for (const PieceCopy& c : copies) {
            if (c.Source.Top <= pictureRow && pictureRow < c.Source.Bottom) {
                std::fill(columns.begin() + (c.Source.Left - 60),
                          columns.begin() + (c.Source.Right - 60), true);
            }
        }
        return columns;
    };
    std::map<Long, Long> knob; // row out from the cell edge -> width
    for (Long j = 0; j < 15; ++j) {
        const std::vector<bool> own = coverage(puzzle.Pieces[8], 89 - j);
        const std::vector<bool> above = coverage(puzzle.Pieces[5], 89 - j);
        knob[j] = Long(std::count(own.begin(), own.end(), true));
        for (int x = 0; x < 60; ++x) {
            EXPECT_NE(own[x], above[x]) << "row " << j << " column " << x;
        }
    }
    EXPECT_EQ(knob, (std::map<Long, Long>{{0, 8},
                                          {1, 10},
                                          {2, 10},
                                          {3, 12},
                                          {4, 14},
                                          {5, 14},
                                          {6, 14},
                                          {7, 14},
                                          {8, 12},
                                          {9, 12},
                                          {10, 10},
                                          {11, 8},
                                          {12, 6},
                                          {13, 4},
                                          {14, 0}}));
    // A border side has no knob: piece 1's margins above and to the left stay empty.
    PieceCopies(puzzle.Pieces[1], plan, copies);
    for (const PieceCopy& c : copies) {
        EXPECT_GE(c.X, 20);
        EXPECT_GE(c.Y, 15);
    }
}

} // namespace
} // namespace tess::test
