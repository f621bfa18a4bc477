#include "puzzle/preview.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

// Two loose single-piece groups and one placed piece.
Puzzle ThreePieces() {
    Puzzle puzzle;
    puzzle.Pieces.resize(4);
    puzzle.Groups.resize(4);
    for (Integer g = 1; g <= 3; ++g) {
        puzzle.Groups[g].Members = {0, g};
        puzzle.Groups[g].MemberCount = 1;
        puzzle.Pieces[g].Group = g;
    }
    puzzle.GroupOrder = {0, 1, 2, 3};
    puzzle.GroupOrderCount = 3;
    puzzle.Groups[3].InPlace = kTrue;
    puzzle.PlacedPieces = {0, 3};
    puzzle.PlacedCount = 1;
    puzzle.CellWidth = 50;
    puzzle.CellHeight = 40;
    puzzle.PreviousScaleWidth = 800;
    puzzle.PreviousScaleHeight = 560;
    return puzzle;
}

TEST(ScalePiecesPosition, ScalesLooseAndPutsPlacedPiecesHome) {
    Puzzle puzzle = ThreePieces();
    puzzle.Pieces[1].X = 301;
    puzzle.Pieces[1].Y = 555;
    puzzle.Pieces[2].X = 1;
    puzzle.Pieces[2].Y = 1;
    puzzle.Pieces[3].X = 400;
    puzzle.Pieces[3].Y = 300;
    puzzle.Pieces[3].HomeX = 77;
    puzzle.Pieces[3].HomeY = 66;
    ScalePiecesPosition(puzzle, 400, 560);
    EXPECT_EQ(puzzle.Pieces[1].X, 150) << "halving the width halves X, truncating";
    EXPECT_EQ(puzzle.Pieces[1].Y, 520) << "pulled up to ScaleHeight - CellHeight";
    EXPECT_EQ(puzzle.Pieces[2].X, 1) << "a piece at 1 stays at 1";
    EXPECT_EQ(puzzle.Pieces[2].Y, 1);
    EXPECT_EQ(puzzle.Pieces[3].X, 77);
    EXPECT_EQ(puzzle.Pieces[3].Y, 66);

    puzzle.PreviousScaleWidth = 400;
    puzzle.PreviousScaleHeight = 560;
    ScalePiecesPosition(puzzle, 1000, 700);
    EXPECT_EQ(puzzle.Pieces[1].X, 375);
    EXPECT_EQ(puzzle.Pieces[1].Y, 650);
    EXPECT_EQ(puzzle.Pieces[3].X, 77);
}

TEST(Preview, SitsInTheTopRightCornerAtAThirdOfThePicture) {
    const PreviewGeometry g = ComputePreviewGeometry(600, 450, 3, 800, 0);
    EXPECT_EQ(g.Width, 200);
    EXPECT_EQ(g.Height, 150);
    EXPECT_EQ(g.CaptionRect, (Rect{596, 4, 796, 21})) << "rows 4 to 20, 4 pixels from the right";
    EXPECT_EQ(g.PictureRect, (Rect{596, 22, 796, 172})) << "rows 22 to 171";
    Puzzle puzzle;
    ApplyPreviewGeometry(puzzle, g);
    EXPECT_EQ(puzzle.PreviewWidth, 200);
    EXPECT_EQ(puzzle.PreviewRect, g.PictureRect);
    EXPECT_EQ(puzzle.PreviewCaptionRect, g.CaptionRect);
    EXPECT_EQ(ComputePreviewGeometry(600, 450, 2, 800, 0).Width, 300);
    EXPECT_EQ(ComputePreviewGeometry(601, 451, 4, 800, 0).Height, 112);
}

} // namespace
} // namespace tess
