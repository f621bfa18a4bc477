#include "display/dropping.h"
#include "groups/play_models.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

// Cells 60 x 45, tabs 20 x 15; half a piece surface is 50 x 37.
constexpr int kHalfWidth = 50;
constexpr int kHalfHeight = 37;

// Five columns, three rows, every piece far from its neighbours and its home.
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
    f.Move(x + kHalfWidth, y + kHalfHeight);
    ASSERT_EQ(f.puzzle().Pieces[piece].X, x);
    ASSERT_EQ(f.puzzle().Pieces[piece].Y, y);
    f.Up(x + kHalfWidth, y + kHalfHeight);
}

TEST(Dropping, HomeTestAcceptsLessThanFivePixelsOnEachAxis) {
    struct Case {
        int dx;
        int dy;
        bool placed;
    };
    for (const Case c : {Case{4, -4, true}, Case{-4, 4, true}, Case{0, 0, true}, Case{5, 0, false},
                         Case{0, 5, false}, Case{-5, 0, false}, Case{4, -5, false}}) {
        PlayFixture f(Spread());
        // Piece 2 lies exactly where 7 fits under it: the home test still comes first.
        Puzzle& p = f.puzzle();
        p.Pieces[2].X = p.Pieces[7].HomeX + c.dx;
        p.Pieces[2].Y = p.Pieces[7].HomeY + c.dy - p.CellHeight;
        DragTo(f, 7, p.Pieces[7].HomeX + c.dx, p.Pieces[7].HomeY + c.dy);
        EXPECT_EQ(p.PlacedCount, c.placed ? 1 : 0) << c.dx << ", " << c.dy;
        EXPECT_EQ(p.Pieces[7].JoinedTop, c.placed ? kFalse : kTrue) << c.dx << ", " << c.dy;
        EXPECT_EQ(p.SelectedPiece, c.placed ? 0 : 7);
        EXPECT_EQ(p.Dragging, kFalse);
        EXPECT_EQ(f.host.pointer, kPointerDefault);
        EXPECT_CONSISTENT(p);
    }
}

TEST(Dropping, SevenSnapsUnderTwoAndTheGroupsMerge) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    const Long x2 = p.Pieces[2].X;
    const Long y2 = p.Pieces[2].Y;
    DragTo(f, 7, x2 - 3, y2 + 45 + 2);
    EXPECT_EQ(p.Pieces[7].X, x2);
    EXPECT_EQ(p.Pieces[7].Y, y2 + 45);
    EXPECT_EQ(p.Pieces[7].JoinedTop, kTrue);
    EXPECT_EQ(p.Pieces[2].JoinedBottom, kTrue);
    EXPECT_EQ(p.Groups[2].Members, Ints({0, 2, 7}));
    EXPECT_EQ(p.Groups[7].MemberCount, 0);
    EXPECT_EQ(p.DraggedGroup, 2);
    EXPECT_EQ(p.DraggedMembers, Ints({0, 7}));
    EXPECT_EQ(p.SelectedPiece, 7) << "a fitting drop keeps the selection";
    EXPECT_EQ(p.GroupOrder[p.GroupOrderCount], 2);
    EXPECT_EQ(p.Pieces[2].X, x2) << "the stationary piece stays";
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, OneDropFitsTwoNeighboursOfTwoOtherGroups) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    const Long x2 = p.Pieces[2].X;
    const Long y2 = p.Pieces[2].Y;
    p.Pieces[6].X = x2 - 60 + 2;
    p.Pieces[6].Y = y2 + 45 + 3;
    DragTo(f, 7, x2 + 1, y2 + 45 + 1);
    // Above first: 7 joins 2; then left: the merged group joins 6, the last fitted.
    EXPECT_EQ(p.Groups[6].Members, Ints({0, 2, 6, 7}));
    EXPECT_EQ(p.Groups[2].MemberCount, 0);
    EXPECT_EQ(p.Groups[7].MemberCount, 0);
    EXPECT_EQ(p.DraggedGroup, 6);
    EXPECT_EQ(p.GroupOrderCount, 13);
    EXPECT_EQ(p.GroupOrder[13], 6);
    EXPECT_TRUE(p.Pieces[7].JoinedTop && p.Pieces[2].JoinedBottom && p.Pieces[7].JoinedLeft &&
                p.Pieces[6].JoinedRight);
    // Laid out around piece 2, the group's reference.
    EXPECT_EQ(p.Pieces[2].X, x2);
    EXPECT_EQ(p.Pieces[7].X, x2);
    EXPECT_EQ(p.Pieces[7].Y, y2 + 45);
    EXPECT_EQ(p.Pieces[6].X, x2 - 60);
    EXPECT_EQ(p.Pieces[6].Y, y2 + 45);
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, FirstAndLastColumnPiecesHaveNoNeighbourAcrossTheBorder) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    // 6 starts a row: lying right of 5 (the end of the row above) is no fit.
    DragTo(f, 6, p.Pieces[5].X + 60, p.Pieces[5].Y);
    EXPECT_EQ(p.Pieces[6].JoinedLeft, kFalse);
    EXPECT_EQ(p.Pieces[5].JoinedRight, kFalse);
    EXPECT_EQ(p.GroupOrderCount, 15);
    // 10 ends a row: lying left of 11 is no fit either.
    p.Pieces[11].X = 400;
    p.Pieces[11].Y = 150;
    DragTo(f, 10, p.Pieces[11].X - 60, p.Pieces[11].Y);
    EXPECT_EQ(p.Pieces[10].JoinedRight, kFalse);
    EXPECT_EQ(p.GroupOrderCount, 15);
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, MembersLyingSideBySideGetTheirFlagsWithoutAMerge) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    Regroup(p, 7, {7, 8});
    LayBeside(p, 8, 7);
    DragTo(f, 8, 400, 200);
    EXPECT_EQ(p.Pieces[7].JoinedRight, kTrue);
    EXPECT_EQ(p.Pieces[8].JoinedLeft, kTrue);
    EXPECT_EQ(p.Groups[7].Members, Ints({0, 7, 8}));
    EXPECT_EQ(p.GroupOrderCount, 14);
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, PiecesThatJoinDuringTheDropAreNotTestedThemselves) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    // 1 lies exactly where it fits left of 2, but 2 is not part of the dropped group.
    p.Pieces[1].X = p.Pieces[2].X - 60;
    p.Pieces[1].Y = p.Pieces[2].Y;
    DragTo(f, 7, p.Pieces[2].X, p.Pieces[2].Y + 45);
    EXPECT_EQ(p.Groups[2].Members, Ints({0, 2, 7}));
    EXPECT_EQ(p.Pieces[2].JoinedLeft, kFalse);
    EXPECT_EQ(p.Pieces[1].Group, 1);
}

TEST(Dropping, OnlyTheLeftButtonDropsAndAMissLeavesTheGroupWhereItFell) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    f.Down(p.Pieces[3].X + 50, p.Pieces[3].Y + 37);
    f.Move(450, 150);
    f.Up(450, 150, kRightButton);
    EXPECT_EQ(p.Dragging, kTrue);
    EXPECT_EQ(f.host.pointer, kPointerSizeAll);
    f.Up(450, 150);
    EXPECT_EQ(p.Dragging, kFalse);
    EXPECT_EQ(p.Pieces[3].X, 400);
    EXPECT_EQ(p.Pieces[3].Y, 113);
    EXPECT_EQ(p.GroupOrderCount, 15);
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, ADragWhosePieceWasPlacedMeanwhileEndsWithoutEffect) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    f.Down(p.Pieces[3].X + 50, p.Pieces[3].Y + 37);
    f.scripted.values = {0.99f};
    f.game->mnuFileSolve_Click();
    f.Move(450, 150);
    f.Up(450, 150);
    EXPECT_EQ(p.Dragging, kFalse);
    EXPECT_EQ(p.PlacedCount, 15);
    EXPECT_CONSISTENT(p);
}

TEST(Dropping, ASnapThatBringsAPieceNextToAFixedNeighbourDoesNotJoinIt) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    f.game->SetGroupInPlace(12);
    // 2 lies 3 pixels below its home; 7 is dropped 6 below its own, so it misses home but
    // fits under 2, which brings it within 3 pixels of the fixed 12 below it.
    p.Pieces[2].X = p.Pieces[2].HomeX;
    p.Pieces[2].Y = p.Pieces[2].HomeY + 3;
    DragTo(f, 7, p.Pieces[7].HomeX, p.Pieces[7].HomeY + 6);
    EXPECT_EQ(p.Groups[2].Members, Ints({0, 2, 7}));
    EXPECT_EQ(p.Pieces[7].JoinedBottom, kFalse);
    EXPECT_EQ(p.Pieces[12].JoinedTop, kFalse);
    EXPECT_EQ(p.PlacedPieces, Ints({0, 12}));
    EXPECT_CONSISTENT(p);
}

} // namespace
} // namespace tess::test
