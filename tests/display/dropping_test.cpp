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

TEST(Dropping, TheHomeTestAcceptsLessThanFivePixelsAndComesBeforeTheNeighbours) {
    for (const auto& [dx, dy, placed] :
         {std::tuple{4, -4, true}, std::tuple{-4, 4, true}, std::tuple{5, 0, false},
          std::tuple{0, 5, false}, std::tuple{-5, 0, false}, std::tuple{4, -5, false}}) {
        PlayFixture f(Spread());
        Puzzle& p = f.puzzle();
        // 2 lies exactly where 7 fits under it.
        p.Pieces[2].X = p.Pieces[7].HomeX + dx;
        p.Pieces[2].Y = p.Pieces[7].HomeY + dy - 45;
        DragTo(f, 7, p.Pieces[7].HomeX + dx, p.Pieces[7].HomeY + dy);
        EXPECT_EQ(p.PlacedPieces, placed ? Ints({0, 7}) : Ints({0})) << dx << ", " << dy;
        EXPECT_EQ(p.Pieces[7].JoinedTop, ToFlag(!placed)) << dx << ", " << dy;
        EXPECT_EQ(p.SelectedPiece, placed ? 0 : 7);
        EXPECT_CONSISTENT(p);
    }
}

TEST(Dropping, SevenSnapsUnderTwoAndTheMergedGroupFitsSixOfAThirdGroup) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    const Long x2 = p.Pieces[2].X, y2 = p.Pieces[2].Y;
    p.Pieces[6].X = x2 - 60 + 2;
    p.Pieces[6].Y = y2 + 45 + 3;
    DragTo(f, 7, x2 - 3, y2 + 45 + 2);
    // Above first: 7 joins 2; then left: the merged group joins 6, the last fitted.
    EXPECT_EQ(p.Groups[6].Members, Ints({0, 2, 6, 7}));
    EXPECT_EQ(p.DraggedGroup, 6);
    EXPECT_EQ(p.GroupOrderCount, 13);
    EXPECT_EQ(p.SelectedPiece, 7) << "a fitting drop keeps the selection";
    EXPECT_TRUE(p.Pieces[7].JoinedTop && p.Pieces[7].JoinedLeft);
    // Laid out around piece 2, the group's reference, which stays where it was.
    EXPECT_EQ((std::vector<Long>{p.Pieces[2].X, p.Pieces[2].Y, p.Pieces[6].X, p.Pieces[6].Y,
                                 p.Pieces[7].X, p.Pieces[7].Y}),
              (std::vector<Long>{x2, y2, x2 - 60, y2 + 45, x2, y2 + 45}));
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, NoFitAcrossTheRowEndsNorWithPiecesThatJoinDuringTheDrop) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    // 6 starts a row and 10 ends one: right of 5 and left of 11 they fit nothing.
    DragTo(f, 6, p.Pieces[5].X + 60, p.Pieces[5].Y);
    p.Pieces[11].X = 400;
    p.Pieces[11].Y = 150;
    DragTo(f, 10, 340, 150);
    EXPECT_EQ(p.GroupOrderCount, 15);
    // 3 lies where it fits right of 2, but 2 joins the dropped 1 only during the drop.
    LayBeside(p, 3, 2);
    DragTo(f, 1, p.Pieces[2].X - 60, p.Pieces[2].Y);
    EXPECT_EQ(p.Groups[2].Members, Ints({0, 1, 2}));
    EXPECT_EQ(p.Pieces[3].Group, 3);
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, ASnapThatBringsAPieceNextToAFixedNeighbourDoesNotJoinIt) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    f.game->SetGroupInPlace(12);
    // 2 lies 3 pixels below its home; 7, dropped 6 below its own, misses home but fits
    // under 2, which brings it within 3 pixels of the fixed 12 below it.
    p.Pieces[2].X = p.Pieces[2].HomeX;
    p.Pieces[2].Y = p.Pieces[2].HomeY + 3;
    DragTo(f, 7, p.Pieces[7].HomeX, p.Pieces[7].HomeY + 6);
    EXPECT_EQ(p.Groups[2].Members, Ints({0, 2, 7}));
    EXPECT_FALSE(p.Pieces[7].JoinedBottom || p.Pieces[12].JoinedTop);
    EXPECT_EQ(p.PlacedPieces, Ints({0, 12}));
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, AMissLeavesTheGroupWhereItFellWithItsMembersJoined) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    Regroup(p, 7, {7, 8});
    LayBeside(p, 8, 7);
    f.Down(p.Pieces[8].X + 50, p.Pieces[8].Y + 37);
    f.Move(450, 150);
    f.Up(450, 150, kRightButton);
    EXPECT_EQ(p.Dragging, kTrue) << "only the left button drops";
    f.Up(450, 150);
    EXPECT_EQ(p.Pieces[8].X, 400);
    EXPECT_EQ(p.Pieces[8].Y, 113);
    // Members lying side by side get their flags without a merge.
    EXPECT_TRUE(p.Pieces[7].JoinedRight && p.Pieces[8].JoinedLeft);
    EXPECT_EQ(p.GroupOrderCount, 14);
    EXPECT_CONSISTENT(p);
    // A drag whose piece is placed meanwhile (by Solve) ends without effect.
    f.Down(p.Pieces[3].X + 50, p.Pieces[3].Y + 37);
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
