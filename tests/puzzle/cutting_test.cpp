// Cutting a picture: the grid, the fitted sizes, the shapes of knobs and sockets, the preview
// and where the pieces go when the play field changes size.
#include "groups/play_models.h"
#include "puzzle/preview.h"
#include "puzzle/saved_field.h"

#include <array>

namespace tess::test {
namespace {

TEST(Cutting, ChoosesTheWorkedGridsFitsThePictureAndCentresTheBoard) {
    // N, picture width and height, columns, rows; 13 has no candidate: one row for a
    // landscape picture, one column for a portrait or square one.
    const Integer grids[][5] = {{64, 640, 480, 8, 8}, {12, 640, 480, 4, 3},  {12, 480, 640, 2, 6},
                                {12, 500, 500, 3, 4}, {13, 640, 480, 13, 1}, {13, 480, 640, 1, 13}};
    for (const auto& [n, width, height, columns, rows] : grids) {
        const std::vector<Integer> divisors = CandidateDivisors(n);
        EXPECT_EQ(ChooseGrid(n, divisors, Integer(divisors.size() - 1), width, height),
                  (Grid{columns, rows}));
    }
    EXPECT_FALSE(ChooseGrid(0, {0}, 0, 640, 480).has_value());

    // Picture, grid (8 x 8 or 2 x 2), then ImageWidth, ImageHeight, BoardLeft and BoardTop
    // on 800 x 560. A picture smaller than the field loses the knob margin only; a height
    // above 552 but within 560 is kept; a width above 792 is fitted.
    using Fit = std::array<Integer, 7>;
    for (const Fit& c :
         {Fit{640, 480, 8, 588, 440, 106, 60}, Fit{1024, 768, 8, 676, 506, 62, 27},
          Fit{600, 560, 2, 400, 374, 200, 93}, Fit{796, 300, 2, 528, 200, 136, 180}}) {
        const CutLayout l = ComputeCutLayout(c[0], c[1], c[2], c[2], 800, 560);
        EXPECT_EQ((std::vector<Long>{l.ImageWidth, l.ImageHeight, l.BoardLeft, l.BoardTop}),
                  (std::vector<Long>(c.begin() + 3, c.end())));
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
    // The field a saved layout was cut on: for an edited board that no field gives, at 0 too,
    // the middle of the 8 x 8 cells' range (672 + 8 / 2, 504 + 8 / 2); for a board beyond the
    // edge, the current field.
    p.OriginalWidth = 1024;
    p.OriginalHeight = 768;
    for (const auto& [left, top, width, height] : {std::tuple{0, 0, 676, 508}, {-1, 0, 800, 560}}) {
        Puzzle edited = p;
        edited.Pieces[1].HomeX += left - 62;
        edited.Pieces[1].HomeY += top - 27;
        const FieldSize field = SavedFieldSize(edited, 800, 560);
        EXPECT_EQ((std::vector{field.Width, field.Height}), (std::vector<Long>{width, height}))
            << left << ", " << top;
    }
    // Cells too small for the field (only after a cut, when the window shrinks) keep 3 x 3.
    const CutLayout tight = ComputeCutLayout(640, 480, 1021, 1, 800, 560);
    EXPECT_EQ((std::vector<Long>{tight.CellWidth, tight.CellHeight, HasRoomForCells(l, 8, 8),
                                 HasRoomForCells(tight, 1021, 1)}),
              (std::vector<Long>{3, 160, true, false}));
}

TEST(Cutting, CurvesAndAnInnerKnobHaveTheWorkedShapes) {
    const std::vector<Integer> worked = Ints({6, 5, 5, 4, 3, 3, 3, 3, 4, 4, 5, 6, 7, 8, 12});
    EXPECT_EQ(CurveInsets(60, 15, CurveKind::Socket), worked);
    EXPECT_EQ(CurveInsets(60, 15, CurveKind::Knob), worked);
    // Depth 41: k peaks at 29 and falls by 1.7 a row. From row 39 on the socket holds k at
    // -4 (k + 9 = 5), while the knob's row 39 has k + 9 = 4 and row 40, at 2.3, ends it.
    const std::vector<Integer> knob = CurveInsets(100, 41, CurveKind::Knob);
    const std::vector<Integer> socket = CurveInsets(100, 41, CurveKind::Socket);
    ASSERT_EQ((std::vector{knob.size(), socket.size()}), (std::vector<std::size_t>{40, 41}));
    EXPECT_EQ((std::vector{knob.back(), socket[39], socket[40]}), Ints({25, 20, 20}));

    // Every copy lies inside the 100 x 75 surface and takes its pixels from the 180 x 135
    // picture; outside its cell a piece has nothing but the one-pixel rows and columns of its
    // knobs, and a border side nothing at all. That the pieces cover the picture exactly is
    // seen where the display tests compose every piece at its home.
    const Puzzle puzzle = MakePuzzle(3, 3, 60, 45);
    const CutPlan plan = MakeCutPlan(puzzle);
    std::vector<PieceCopy> copies;
    for (int i = 1; i <= 9; ++i) {
        PieceCopies(puzzle.Pieces[i], plan, copies);
        for (const PieceCopy& c : copies) {
            const Long w = c.Source.Right - c.Source.Left, h = c.Source.Bottom - c.Source.Top;
            EXPECT_TRUE(
                c.X >= 0 && c.Y >= 0 && c.X + w <= 100 && c.Y + h <= 75 &&
                ((c.X >= 20 && c.Y >= 15 && c.X + w <= 80 && c.Y + h <= 60) || w == 1 || h == 1) &&
                (i != 1 || (c.X >= 20 && c.Y >= 15)) && c.Source.Left >= 0 && c.Source.Top >= 0 &&
                c.Source.Right <= 180 && c.Source.Bottom <= 135)
                << i << ": " << c.X << ", " << c.Y;
        }
    }
}

TEST(Preview, SitsInTheTopRightCornerAndPiecesFollowTheFieldsSize) {
    // At twice the device pixels to the point, margins, bar and gap are twice as many pixels
    // as the painting test's picture rows 22 to 171 (8 + 34 + 2 above it), 4 from the right.
    EXPECT_EQ(ComputePreviewGeometry(600, 450, 3, 800, 0, 2.0).PictureRect,
              (Rect{592, 44, 792, 194}));
    EXPECT_EQ(ComputePreviewGeometry(601, 451, 4, 800, 10).PictureRect, (Rect{656, 22, 806, 134}));

    // A new field size scales loose pieces and puts placed ones home.
    Puzzle p = MakePuzzle(3, 1, 50, 40); // piece 3's home is (147, 15)
    PlaceGroup(p, 3);
    p.PreviousScaleWidth = 800;
    p.PreviousScaleHeight = 560;
    p.Pieces[1].X = p.Pieces[1].Y = 301;
    p.Pieces[2].X = p.Pieces[3].X = p.Pieces[3].Y = 1;
    p.Pieces[2].Y = 555;
    // Half the field halves X and Y, truncating; 1 stays 1; Y is pulled up to 280 - CellHeight.
    ScalePiecesPosition(p, 400, 280);
    EXPECT_EQ(Places(p, {1, 2, 3}), (std::vector<Long>{150, 150, 1, 240, 147, 15}));
}

} // namespace
} // namespace tess::test
