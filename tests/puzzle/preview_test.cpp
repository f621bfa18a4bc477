// Rescaling piece positions to a new play-field size, and where the preview goes.
#include "groups/placing.h"
#include "groups/play_models.h"
#include "puzzle/preview.h"

namespace tess::test {
namespace {

using XY = std::pair<Long, Long>;

TEST(ScalePiecesPosition, ScalesLoosePiecesAndPutsPlacedPiecesHome) {
    Puzzle p = MakePuzzle(3, 1, 50, 40); // homes at (47, 15), (97, 15), (147, 15)
    PlaceGroup(p, 3);
    p.PreviousScaleWidth = 800;
    p.PreviousScaleHeight = 560;
    const auto places = [&p] {
        return std::vector<XY>{{p.Pieces[1].X, p.Pieces[1].Y},
                               {p.Pieces[2].X, p.Pieces[2].Y},
                               {p.Pieces[3].X, p.Pieces[3].Y}};
    };
    p.Pieces[1].X = 301;
    p.Pieces[1].Y = 555;
    p.Pieces[2].X = p.Pieces[2].Y = 1;
    p.Pieces[3].X = 400;
    // Half the width halves X, truncating; 1 stays 1; Y is pulled up to 560 - CellHeight.
    ScalePiecesPosition(p, 400, 560);
    EXPECT_EQ(places(), (std::vector<XY>{{150, 520}, {1, 1}, {147, 15}}));
    p.PreviousScaleWidth = 400;
    p.Pieces[3].X = 400;
    ScalePiecesPosition(p, 1000, 700);
    EXPECT_EQ(places(), (std::vector<XY>{{375, 650}, {2, 1}, {147, 15}}));
}

TEST(Preview, SitsInTheTopRightCornerAtAFractionOfThePicture) {
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
    const PreviewGeometry small = ComputePreviewGeometry(601, 451, 4, 800, 10);
    EXPECT_EQ((XY{small.Width, small.Height}), (XY{150, 112}));
    EXPECT_EQ(small.PictureRect, (Rect{656, 22, 806, 134}));
}

} // namespace
} // namespace tess::test
