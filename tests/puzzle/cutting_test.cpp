// Cutting a picture: the grid, the fitted sizes, the shapes of knobs and sockets, the preview
// and where the pieces go when the play field changes size.
#include "groups/placing.h"
#include "groups/play_models.h"
#include "puzzle/preview.h"

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
    for (const Case& c : {
             Case{64, 640, 480, 8, 8}, Case{12, 640, 480, 4, 3}, Case{12, 480, 640, 2, 6},
             Case{12, 500, 500, 3, 4}, Case{4, 640, 480, 2, 2}, Case{4, 480, 640, 2, 2},
             Case{6, 640, 480, 3, 2}, Case{6, 480, 640, 2, 3},
             Case{100, 640, 480, 10, 10}, // bestDiff 1; only k = 4 (v = 1) comes below it
             Case{13, 640, 480, 13, 1},   // no candidate: one row for a landscape picture
             Case{13, 480, 640, 1, 13},   // and one column for a portrait or square one
         }) {
        const std::vector<Integer> divisors = CandidateDivisors(c.n);
        EXPECT_EQ(ChooseGrid(c.n, divisors, Integer(divisors.size() - 1), c.width, c.height),
                  (Grid{c.columns, c.rows}))
            << c.n << " " << c.width << "x" << c.height;
        // Home cells, straight border sides and one knob on every inner edge.
        EXPECT_CONSISTENT(MakePuzzle(c.columns, c.rows));
    }
    EXPECT_FALSE(ChooseGrid(0, {0}, 0, 640, 480).has_value());
    const Puzzle p = MakePuzzle(3, 3);
    const auto sides = [&p](int i) {
        return std::vector{p.Pieces[i].TopOut, p.Pieces[i].LeftOut, p.Pieces[i].RightOut,
                           p.Pieces[i].BottomOut};
    };
    EXPECT_EQ(sides(1), (std::vector{kTrue, kTrue, kTrue, kFalse}));
    EXPECT_EQ(sides(5), (std::vector{kFalse, kTrue, kTrue, kFalse})) << "even: knobs left, right";
}

TEST(Cutting, FitsThePictureAndCentresTheBoard) {
    struct Case {
        Integer width, height, columns, rows;
        std::vector<Long> imageAndBoard;
    };
    for (const Case& c : {
             Case{640, 480, 8, 8, {588, 440, 106, 60}},  // smaller than the field: knob margin only
             Case{1024, 768, 8, 8, {676, 506, 62, 27}},  // 736 x 552 before the knob margin
             Case{600, 556, 2, 2, {400, 372, 200, 94}},  // height above 552 but within 560 is kept
             Case{796, 300, 2, 2, {528, 200, 136, 180}}, // width above 792 is fitted
         }) {
        const CutLayout l = ComputeCutLayout(c.width, c.height, c.columns, c.rows, 800, 560);
        EXPECT_EQ((std::vector<Long>{l.ImageWidth, l.ImageHeight, l.BoardLeft, l.BoardTop}),
                  c.imageAndBoard)
            << c.width << " x " << c.height;
    }
    Puzzle p = MakePuzzle(8, 8, 1, 1); // other sizes, so that the layout must set them all
    const CutLayout l = ComputeCutLayout(1024, 768, 8, 8, 800, 560);
    EXPECT_EQ(l.BoardRect, (Rect{62, 27, 734, 531}));
    ApplyCutLayout(p, l);
    const LineSizes lines = OutlineLineSizes(p);
    EXPECT_EQ(
        (std::vector<Long>{p.CellWidth, p.CellHeight, p.TabWidth, p.TabHeight, p.Pieces[1].HomeX,
                           p.Pieces[1].HomeY, p.Pieces[10].HomeX, p.Pieces[10].HomeY,
                           lines.FrameLineHWidth, lines.FrameLineVHeight, lines.EdgeLineHWidth,
                           lines.EdgeLineVHeight, lines.EdgeStubHWidth, lines.EdgeStubVHeight}),
        (std::vector<Long>{84, 63, 28, 21, 35, 7, 119, 70, 674, 506, 86, 63, 38, 28}));
    EXPECT_EQ(p.Pieces[10].CellRect, (Rect{84, 63, 168, 126}));
    // Cells too small for the field (only after a cut, when the window shrinks) keep 3 x 3.
    const CutLayout tight = ComputeCutLayout(640, 480, 1021, 1, 800, 560);
    EXPECT_EQ((std::vector<Long>{tight.CellWidth, tight.CellHeight, HasRoomForCells(l, 8, 8),
                                 HasRoomForCells(tight, 1021, 1)}),
              (std::vector<Long>{3, 160, true, false}));
    const LineSizes small = OutlineLineSizes(MakePuzzle(3, 3, 60, 45));
    EXPECT_EQ((std::vector<Long>{small.EdgeStubHWidth, small.EdgeStubVHeight}),
              (std::vector<Long>{27, 20}));
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
    EXPECT_EQ((std::vector{knob[39], socket[39], socket[40]}), Ints({25, 20, 20}));
}

TEST(Cutting, AnInnerKnobHasTheWorkedShapeAndABorderSideNone) {
    const Puzzle puzzle = MakePuzzle(3, 3, 60, 45);
    const CutPlan plan = MakeCutPlan(puzzle);
    std::vector<PieceCopy> copies;
    // Piece 8 (column 1, row 2) has a knob on its top side: the copies landing in the top
    // margin of its surface, row by row out from the cell edge.
    PieceCopies(puzzle.Pieces[8], plan, copies);
    std::vector<Long> knob(15, 0);
    for (const PieceCopy& c : copies) {
        if (c.Y < 15) {
            knob[14 - c.Y] += c.Source.Right - c.Source.Left;
            EXPECT_EQ(c.Source.Top, 90 - 15 + c.Y) << "taken from the picture above the cell";
        }
    }
    EXPECT_EQ(knob, (std::vector<Long>{8, 10, 10, 12, 14, 14, 14, 14, 12, 12, 10, 8, 6, 4, 0}));
    // Piece 1's margins above and to the left stay empty.
    PieceCopies(puzzle.Pieces[1], plan, copies);
    for (const PieceCopy& c : copies) {
        EXPECT_GE(c.X, 20);
        EXPECT_GE(c.Y, 15);
    }
}

TEST(Preview, SitsInTheTopRightCornerAtAFractionOfThePicture) {
    const PreviewGeometry g = ComputePreviewGeometry(600, 450, 3, 800, 0);
    EXPECT_EQ((std::vector<Long>{g.Width, g.Height}), (std::vector<Long>{200, 150}));
    EXPECT_EQ(g.CaptionRect, (Rect{596, 4, 796, 21})) << "rows 4 to 20, 4 pixels from the right";
    EXPECT_EQ(g.PictureRect, (Rect{596, 22, 796, 172})) << "rows 22 to 171";
    EXPECT_EQ(ComputePreviewGeometry(601, 451, 4, 800, 10).PictureRect, (Rect{656, 22, 806, 134}));
    // Twice the device pixels to the point: margins, bar and gap twice as many pixels.
    const PreviewGeometry hiDpi = ComputePreviewGeometry(600, 450, 3, 800, 0, 2.0);
    EXPECT_EQ(hiDpi.CaptionRect, (Rect{592, 8, 792, 42}));
    EXPECT_EQ(hiDpi.PictureRect, (Rect{592, 44, 792, 194}));
}

TEST(ScalePiecesPosition, ScalesLoosePiecesAndPutsPlacedPiecesHome) {
    Puzzle p = MakePuzzle(3, 1, 50, 40); // piece 3's home is (147, 15)
    PlaceGroup(p, 3);
    p.PreviousScaleWidth = 800;
    p.PreviousScaleHeight = 560;
    const auto places = [&p] {
        return std::vector<Long>{p.Pieces[1].X, p.Pieces[1].Y, p.Pieces[2].X,
                                 p.Pieces[2].Y, p.Pieces[3].X, p.Pieces[3].Y};
    };
    p.Pieces[1].X = 301;
    p.Pieces[1].Y = 555;
    p.Pieces[2].X = p.Pieces[2].Y = p.Pieces[3].X = 1;
    // Half the width halves X, truncating; 1 stays 1; Y is pulled up to 560 - CellHeight.
    ScalePiecesPosition(p, 400, 560);
    EXPECT_EQ(places(), (std::vector<Long>{150, 520, 1, 1, 147, 15}));
    p.PreviousScaleWidth = 400;
    p.Pieces[3].X = 1;
    ScalePiecesPosition(p, 1000, 700);
    EXPECT_EQ(places(), (std::vector<Long>{375, 650, 2, 1, 147, 15}));
}

} // namespace
} // namespace tess::test
