// Dropping a group: the home test first, then the neighbours it fits.
#include "display/dropping.h"
#include "groups/play_models.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

// Five columns, three rows, cells 60 x 45 and tabs 20 x 15 (half a surface is 50 x 37),
// every piece far from its neighbours and its home.
Puzzle Spread() {
    Puzzle p = MakePuzzle(5, 3, 60, 45, 100, 60);
    for (int i = 1; i <= 15; ++i) {
        p.Pieces[i].X = 20 + ((i - 1) % 5) * 150;
        p.Pieces[i].Y = 300 + ((i - 1) / 5) * 80;
    }
    return p;
}

// Grabs the piece at its cell's middle and drops it with its surface at (x, y).
void DragTo(PlayFixture& f, int piece, Long x, Long y) {
    const PieceRecord& p = f.puzzle().Pieces[piece];
    f.Down(p.X + 50, p.Y + 37);
    ASSERT_EQ(f.puzzle().SelectedPiece, piece);
    f.Move(x + 50, y + 37);
    ASSERT_EQ(p.X, x);
    ASSERT_EQ(p.Y, y);
    f.Up(x + 50, y + 37);
}

TEST(Dropping, TheHomeTestComesFirstThenANeighbourLessThanFivePixelsOffFits) {
    // 7 dropped (hx, hy) off its home and (nx, ny) off where it fits under 2.
    for (const auto& [hx, hy, nx, ny, placed, joined] : {std::tuple{4, -4, 0, 0, true, false},
                                                         {-4, 4, 0, 0, true, false},
                                                         {5, 0, 4, -4, false, true},
                                                         {0, 5, -4, 4, false, true},
                                                         {-5, 0, 5, 0, false, false},
                                                         {4, -5, 0, -5, false, false}}) {
        PlayFixture f(Spread());
        Puzzle& p = f.puzzle();
        const Long x = p.Pieces[7].HomeX + hx, y = p.Pieces[7].HomeY + hy;
        p.Pieces[2].X = x - nx;
        p.Pieces[2].Y = y - 45 - ny;
        DragTo(f, 7, x, y);
        EXPECT_EQ(p.PlacedPieces, placed ? Ints({0, 7}) : Ints({0})) << hx << ", " << hy;
        EXPECT_EQ(p.Pieces[7].JoinedTop, ToFlag(joined)) << nx << ", " << ny;
        EXPECT_EQ(p.SelectedPiece, placed ? 0 : 7);
        EXPECT_CONSISTENT(p);
    }
}

TEST(Dropping, SnapsMergesAndSetsFlagsAsTheNeighboursFit) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    // 7, dropped 3 left of and 2 below where it fits under 2, joins it; then the merged group
    // joins 6 left of 7, the last fitted, around 2, the group's reference, which stays.
    const Long x2 = p.Pieces[2].X, y2 = p.Pieces[2].Y;
    p.Pieces[6].X = x2 - 60 + 2;
    p.Pieces[6].Y = y2 + 45 + 3;
    DragTo(f, 7, x2 - 3, y2 + 45 + 2);
    EXPECT_EQ(p.Groups[6].Members, Ints({0, 2, 6, 7}));
    EXPECT_EQ((std::vector<Long>{p.DraggedGroup, p.SelectedPiece, p.Pieces[6].X, p.Pieces[6].Y,
                                 p.Pieces[7].X, p.Pieces[7].Y, p.Pieces[2].X, p.Pieces[2].Y}),
              (std::vector<Long>{6, 7, x2 - 60, y2 + 45, x2, y2 + 45, x2, y2}));
    EXPECT_TRUE(p.Pieces[7].JoinedTop && p.Pieces[7].JoinedLeft && p.Pieces[2].JoinedBottom);
    // 10 ends a row and 11 starts one: side by side they fit nothing.
    p.Pieces[11].X = 400;
    p.Pieces[11].Y = 150;
    DragTo(f, 10, 340, 150);
    DragTo(f, 11, 400, 150);
    EXPECT_EQ(p.GroupOrderCount, 13);
    // 5 lies where it fits right of 4, but 4 joins 3, dropped 2 right of and 3 above its fit,
    // only during the drop; 3 snaps to 4, which stays.
    LayBeside(p, 5, 4);
    const Long x4 = p.Pieces[4].X, y4 = p.Pieces[4].Y;
    DragTo(f, 3, x4 - 60 + 2, y4 - 3);
    EXPECT_EQ(p.Groups[4].Members, Ints({0, 3, 4}));
    EXPECT_EQ((std::vector<Long>{p.Pieces[3].X, p.Pieces[3].Y, p.Pieces[4].X, p.Pieces[4].Y,
                                 p.Pieces[5].Group}),
              (std::vector<Long>{x4 - 60, y4, x4, y4, 5}));
    // 14 is fixed; 8 lies 3 below its home. 13, dropped 6 below its own home, misses it but
    // fits under 8, which brings it within 3 pixels of the fixed 14 right of it.
    f.game->SetGroupInPlace(14);
    p.Pieces[8].X = p.Pieces[8].HomeX;
    p.Pieces[8].Y = p.Pieces[8].HomeY + 3;
    DragTo(f, 13, p.Pieces[13].HomeX, p.Pieces[13].HomeY + 6);
    EXPECT_EQ(p.Groups[8].Members, Ints({0, 8, 13}));
    EXPECT_FALSE(p.Pieces[13].JoinedRight || p.Pieces[14].JoinedLeft);
    EXPECT_EQ(p.PlacedPieces, Ints({0, 14}));
    EXPECT_CONSISTENT(p);
    // Members lying side by side get their flags without a merge; only the left button drops.
    Regroup(p, 11, {11, 12});
    LayBeside(p, 12, 11);
    const int groups = p.GroupOrderCount;
    f.Down(p.Pieces[12].X + 50, p.Pieces[12].Y + 37);
    f.Move(450, 150);
    f.Up(450, 150, kRightButton);
    EXPECT_EQ(p.Dragging, kTrue);
    f.Up(450, 150);
    EXPECT_EQ((std::vector<Long>{p.Pieces[12].X, p.Pieces[12].Y, p.GroupOrderCount}),
              (std::vector<Long>{400, 113, groups}));
    EXPECT_TRUE(p.Pieces[11].JoinedRight && p.Pieces[12].JoinedLeft);
    EXPECT_CONSISTENT(p);
    // A drag whose piece is placed meanwhile (by Solve) ends without effect.
    f.Down(p.Pieces[15].X + 50, p.Pieces[15].Y + 37);
    f.scripted.values = {0.99f};
    f.game->mnuFileSolve_Click();
    f.Move(450, 150);
    f.Up(450, 150);
    EXPECT_EQ(p.Dragging, kFalse);
    EXPECT_EQ(p.PlacedCount, 15);
    EXPECT_CONSISTENT(p);
}

} // namespace
} // namespace tess::test
