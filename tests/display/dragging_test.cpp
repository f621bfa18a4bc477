// Picking pieces by their shape, dragging groups, and dropping a group: the home test first,
// then the neighbours it fits.
#include "display/picking.h"
#include "groups/play_models.h"

#include <array>

namespace tess::test {
namespace {

// Five columns, three rows, cells 60 x 45 and tabs 20 x 15 (half a surface is 50 x 37) on an
// 800 x 560 field, every piece far from its neighbours and its home, below row 300.
Puzzle Spread() {
    Puzzle p = MakePuzzle(5, 3, 60, 45, 100, 60);
    for (int i = 1; i <= 15; ++i) {
        p.Pieces[i].X = 20 + ((i - 1) % 5) * 150;
        p.Pieces[i].Y = 300 + ((i - 1) / 5) * 80;
    }
    return p;
}

void Put(Puzzle& p, int piece, Long x, Long y) {
    p.Pieces[piece].X = x;
    p.Pieces[piece].Y = y;
}

// Grabs the piece at its cell's middle and drops it with its surface at (x, y).
void DragTo(PlayFixture& f, int piece, Long x, Long y) {
    f.Down(f.puzzle().Pieces[piece].X + 50, f.puzzle().Pieces[piece].Y + 37);
    ASSERT_EQ(f.puzzle().SelectedPiece, piece);
    f.Move(x + 50, y + 37);
    f.Up(x + 50, y + 37);
}

TEST(Picking, TheShapeTestUsesOpenRectanglesOfTheBody) {
    // Probes around a piece whose surface lies at (100, 100), its cell at 120..180 x
    // 115..160: the left knob, the cell's left edge, just inside it, the left band, the
    // centre, the right band, the cell's right edge, the right knob, beside it; the top knob,
    // its top edge, beside it, the top band, its right end, the seam below that end; the
    // bottom band's left end, the seam above it, the bottom band, the bottom knob, the seam
    // between the cell and the bottom knob; above the left knob.
    const QPointF probes[] = {
        {110, 137}, {120, 137}, {121, 137}, {130, 137}, {150, 137}, {170, 137}, {180, 137},
        {190, 137}, {190, 125}, {150, 105}, {150, 100}, {130, 105}, {150, 120}, {170, 120},
        {170, 130}, {130, 150}, {130, 145}, {150, 155}, {150, 170}, {150, 160}, {110, 125}};
    // x: on the piece. Both corners, a top and both inner shapes of the checkerboard in the
    // grid of 5 x 3.
    const std::pair<Integer, const char*> pieces[] = {
        {1, "..xxxx.x....xxxx....."},  // top-left: knob right, socket bottom
        {2, "....x.......xx.x.xx.."},  // top: knob bottom, sockets left and right
        {7, "x.xxxx.x.....x.x....."},  // inner: knobs left and right, sockets top and bottom
        {8, "....x....x..xx.x.xx.."},  // inner: knobs top and bottom, sockets left and right
        {15, "x.xxxx.......x.xxx..."}, // bottom-right: knob left, socket top
    };
    for (const auto& [piece, expected] : pieces) {
        Puzzle p = MakePuzzle(5, 3, 60, 45, 100, 60);
        Put(p, piece, 100, 100);
        std::string hits;
        for (const QPointF& q : probes) {
            hits += IsPointOnPiece(p, piece, q.x(), q.y()) ? 'x' : '.';
        }
        EXPECT_EQ(hits, expected) << "piece " << piece;
    }
}

TEST(Dragging, TheTopmostLoosePieceAndItsGroupFollowThePointerInTheField) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    // 3 and 12 overlap, 3 later in GroupOrder.
    Put(p, 3, 300, 300);
    Put(p, 12, 300, 300);
    p.GroupOrder = Ints({0, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15});
    f.Down(350, 337);
    EXPECT_EQ(p.GroupOrder, Ints({0, 12, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 3}));
    f.Up(350, 337);
    Put(p, 3, 600, 100); // 12, now at the bottom of the order, is raised too
    f.Down(350, 337);
    EXPECT_EQ(p.GroupOrder, Ints({0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 3, 12}));
    f.Up(350, 337);
    f.game->SetGroupInPlace(1);
    f.Down(p.Pieces[1].HomeX + 40, p.Pieces[1].HomeY + 30);
    EXPECT_EQ(p.Dragging, kFalse) << "a fixed piece is not loose";

    // A cross of five around 7, grabbed at 7's middle: a cell of the group on every side.
    Regroup(p, 7, {2, 6, 7, 8, 12});
    Put(p, 7, 300, 200);
    for (const Integer m : {2, 6, 8, 12}) {
        LayBeside(p, m, 7);
    }
    f.Down(350, 237);
    // 7 is centred under the pointer, half its surface (50 x 37) up and left of it. A bound
    // reached exactly (110 - 60 - 50 = 0, 82 - 45 - 37 = 0, 690 + 60 + 50 = 800, 478 + 45 +
    // 37 = 560) stops the group on that axis; halves round to even.
    using Step = std::array<double, 4>;
    for (const auto& [x, y, x7, y7] :
         {Step{200, 300, 150, 263}, Step{110, 82, 150, 263}, Step{110.5, 82.5, 60, 46},
          Step{690, 478, 60, 46}, Step{689.5, 477.5, 640, 440}}) {
        f.Move(x, y);
        EXPECT_EQ(Places(p, {7}), (std::vector{Long(x7), Long(y7)}));
        EXPECT_CONSISTENT(p); // the other four a cell from 7
    }
    f.Up(0, 0);
}

TEST(Dropping, TheHomeTestComesFirstThenANeighbourLessThanFivePixelsOffFits) {
    // 7 dropped (hx, hy) off its home and (nx, ny) off where it fits under 2.
    // Then whether it is placed and whether it joins 2.
    const int drops[][6] = {{4, -4, 0, 0, 1, 0}, {-4, 4, 0, 0, 1, 0}, {5, 0, 4, -4, 0, 1},
                            {0, 5, -4, 4, 0, 1}, {-5, 0, 5, 0, 0, 0}, {4, -5, 0, -5, 0, 0}};
    for (const auto& [hx, hy, nx, ny, placed, joined] : drops) {
        PlayFixture f(Spread());
        Puzzle& p = f.puzzle();
        const Long x = p.Pieces[7].HomeX + hx, y = p.Pieces[7].HomeY + hy;
        Put(p, 2, x - nx, y - 45 - ny);
        DragTo(f, 7, x, y);
        EXPECT_EQ(p.PlacedPieces, placed ? Ints({0, 7}) : Ints({0})) << hx << ", " << hy;
        EXPECT_EQ(p.Pieces[7].JoinedTop, ToFlag(joined != 0)) << nx << ", " << ny;
        EXPECT_EQ(p.SelectedPiece, placed ? 0 : 7);
        EXPECT_CONSISTENT(p);
    }
}

TEST(Dropping, SnapsMergesAndSetsFlagsAsTheNeighboursFit) {
    PlayFixture f(Spread());
    Puzzle& p = f.puzzle();
    // 7, dropped 3 left of and 2 below where it fits under 2, joins it; then the merged group
    // joins 6 left of 7, the last fitted, around 2, the group's reference, which stays; the
    // group it ends in is drawn on top.
    const Long x2 = p.Pieces[2].X, y2 = p.Pieces[2].Y;
    Put(p, 6, x2 - 60 + 2, y2 + 45 + 3);
    DragTo(f, 7, x2 - 3, y2 + 45 + 2);
    EXPECT_EQ(p.Groups[6].Members, Ints({0, 2, 6, 7}));
    EXPECT_TRUE(p.DraggedGroup == 6 && p.SelectedPiece == 7 && p.GroupOrder.back() == 6);
    EXPECT_EQ(Places(p, {6, 7, 2}), (std::vector<Long>{x2 - 60, y2 + 45, x2, y2 + 45, x2, y2}));
    EXPECT_TRUE(p.Pieces[7].JoinedTop && p.Pieces[7].JoinedLeft && p.Pieces[2].JoinedBottom);
    // 9, dropped 3 right of and 2 above where it fits left of 10, snaps to 10, which stays.
    const Long x10 = p.Pieces[10].X, y10 = p.Pieces[10].Y;
    DragTo(f, 9, x10 - 60 + 3, y10 - 2);
    EXPECT_EQ(p.Groups[10].Members, Ints({0, 9, 10}));
    EXPECT_EQ(Places(p, {9, 10}), (std::vector{x10 - 60, y10, x10, y10}));
    // 10 ends a row and 11 starts one: side by side they fit nothing.
    Put(p, 11, 400, 150);
    DragTo(f, 10, 340, 150);
    DragTo(f, 11, 400, 150);
    EXPECT_EQ(p.GroupOrderCount, 12);
    // Members lying side by side get their flags without a merge.
    Regroup(p, 11, {11, 12});
    LayBeside(p, 12, 11);
    const int groups = p.GroupOrderCount;
    f.Down(p.Pieces[12].X + 50, p.Pieces[12].Y + 37);
    f.Move(450, 150);
    f.Up(450, 150);
    EXPECT_EQ((std::vector<Long>{p.Pieces[12].X, p.Pieces[12].Y, p.GroupOrderCount}),
              (std::vector<Long>{400, 113, groups}));
    EXPECT_TRUE(p.Pieces[11].JoinedRight && p.Pieces[12].JoinedLeft);
    // A drag whose piece is placed meanwhile (by Solve) ends without effect.
    f.Down(p.Pieces[15].X + 50, p.Pieces[15].Y + 37);
    f.scripted.values = {0.99f};
    f.game->mnuFileSolve_Click();
    f.Move(450, 150);
    f.Up(450, 150);
    EXPECT_EQ(std::pair(p.Dragging, p.PlacedCount), std::pair(kFalse, Integer(15)));
    EXPECT_CONSISTENT(p);
}

} // namespace
} // namespace tess::test
