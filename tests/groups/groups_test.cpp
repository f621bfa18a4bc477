// Groups: merging, their bounds, the drawing order, and laying a group out on its grid.
#include "groups/alignment.h"
#include "groups/play_models.h"

namespace tess::test {
namespace {

std::vector<int> Edges(const GroupRecord& g) { return {g.MinCol, g.MaxCol, g.MinRow, g.MaxRow}; }

// X and Y of each piece in turn.
std::vector<Long> Places(const Puzzle& p, std::initializer_list<int> pieces) {
    std::vector<Long> places;
    for (int i : pieces) {
        places.insert(places.end(), {p.Pieces[i].X, p.Pieces[i].Y});
    }
    return places;
}

TEST(Joining, NeighboursGroupAbsorbsTheDraggedGroupInAscendingOrder) {
    // Seven columns: 10 lies under 3 and 11 under 4; 4 has been fitted to 3.
    Puzzle p = MakePuzzle(7, 2);
    Regroup(p, 3, {3, 10});
    Regroup(p, 4, {4, 11});
    p.SelectedPiece = 11;
    p.DraggedGroup = 4;
    SetPieceGroup(p, 3);
    EXPECT_EQ(p.Groups[3].Members, Ints({0, 3, 4, 10, 11}));
    EXPECT_EQ(Edges(p.Groups[3]), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(p.Groups[4].Members, Ints({0}));
    EXPECT_EQ(p.DraggedGroup, 4) << "the caller stores the merged group";
    EXPECT_EQ(p.GroupOrder, Ints({0, 1, 2, 5, 6, 7, 8, 9, 12, 13, 14, 3}))
        << "the merged group is raised to the top";
    EXPECT_CONSISTENT(p);

    // Five columns: 7 lies under 2; whichever is dragged, the other's group survives.
    for (const auto& [dragged, neighbour] : {std::pair{7, 2}, std::pair{2, 7}}) {
        Puzzle q = MakePuzzle(5, 2);
        q.SelectedPiece = q.DraggedGroup = Integer(dragged);
        SetPieceGroup(q, Integer(neighbour));
        EXPECT_EQ(q.Groups[neighbour].Members, Ints({0, 2, 7})) << dragged;
        EXPECT_EQ(Edges(q.Groups[neighbour]), (std::vector<int>{1, 1, 0, 1}));
        EXPECT_EQ(q.Groups[dragged].Members, Ints({0}));
        EXPECT_EQ(q.GroupOrder[q.GroupOrderCount], neighbour);
        EXPECT_CONSISTENT(q);
    }

    // {1, 3, 8} absorbs {2, 6, 7, 9}: one pass per member sorts each into place.
    Puzzle r = MakePuzzle(3, 3, 60, 45);
    Regroup(r, 1, {1, 3, 8});
    Regroup(r, 9, {2, 6, 7, 9});
    r.SelectedPiece = 2;
    r.DraggedGroup = 9;
    SetPieceGroup(r, 3);
    EXPECT_EQ(r.Groups[1].Members, Ints({0, 1, 2, 3, 6, 7, 8, 9}));
    EXPECT_EQ(r.GroupOrder, Ints({0, 4, 5, 1}));
    EXPECT_CONSISTENT(r);
}

TEST(Joining, RemoveGroupAndReOrderGroupsKeepTheOtherGroupsInOrder) {
    Puzzle p = MakePuzzle(2, 2, 60, 45);
    // Raising the last group changes nothing; raising the first moves every other down.
    for (const auto& [selected, order] :
         {std::pair{4, Ints({0, 1, 2, 3, 4})}, std::pair{1, Ints({0, 2, 3, 4, 1})},
          std::pair{3, Ints({0, 2, 4, 1, 3})}}) {
        p.SelectedPiece = Integer(selected);
        ReOrderGroups(p);
        EXPECT_EQ(p.GroupOrder, order) << selected;
    }
    p.Groups[4].InPlace = kTrue;
    for (const auto& [group, order] :
         {std::pair{4, Ints({0, 2, 1, 3})}, std::pair{2, Ints({0, 1, 3})},
          std::pair{3, Ints({0, 1})}, std::pair{1, Ints({0})}}) {
        RemoveGroup(p, Integer(group));
        EXPECT_EQ(p.GroupOrder, order) << group;
        EXPECT_EQ(p.GroupOrderCount, Integer(order.size() - 1));
        EXPECT_EQ(p.Groups[group].Members, Ints({0}));
        EXPECT_EQ(p.Groups[group].MemberCount, 0);
    }
    EXPECT_EQ((std::vector<int>{p.Groups[4].InPlace, p.Groups[4].MinCol}),
              (std::vector<int>{kTrue, 1}))
        << "left as they were";
}

TEST(Alignment, TwoPieceRowAgainstTheLeftAndRightBounds) {
    for (const auto& [x1, width, expected] : {
             std::tuple{-7, 300.0f, 0},    // d = 0 >= -7: pushed in from the left
             std::tuple{230, 300.0f, 220}, // 300 - 230 = 70 <= 80: flush with the right edge
             std::tuple{220, 300.0f, 220}, // 300 - 220 = 80 <= 80: set to 220 again
             std::tuple{219, 300.0f, 219}, // 81 > 80: stays
             std::tuple{230, 300.5f, 220}, // 220.5 rounds to the even 220
             std::tuple{230, 301.5f, 222}, // 221.5 rounds to the even 222
         }) {
        Puzzle p = MakePuzzle(5, 2, 40, 30);
        Regroup(p, 1, {1, 2});
        p.Pieces[1].X = x1;
        p.Pieces[1].Y = 100;
        p.Pieces[2].X = 999;
        p.Pieces[2].Y = -50;
        AlignGroup(p, 1, width, 400);
        EXPECT_EQ(Places(p, {1, 2}), (std::vector<Long>{expected, 100, expected + 40, 100}))
            << x1 << " in " << width;
    }
}

TEST(Alignment, ReferencePieceOutsideTheLeftColumnKeepsOneCellFromTheEdge) {
    // Five columns, {2, 6, 7}: 2 at column 1 row 0 is the reference; 6 lies at column 0.
    Puzzle p = MakePuzzle(5, 2, 40, 30);
    Regroup(p, 2, {2, 6, 7});
    p.Pieces[2].X = 10;
    p.Pieces[2].Y = 5;
    p.Pieces[6].X = 500;
    p.Pieces[7].Y = -300;
    AlignGroup(p, 2, 300, 200);
    EXPECT_EQ(Places(p, {2, 6, 7}), (std::vector<Long>{40, 5, 0, 35, 40, 35}));
    // Bottom bound: h = 2 x 30 = 60; 200 - 150 = 50 <= 60 moves it up to 140.
    p.Pieces[2].X = 100;
    p.Pieces[2].Y = 150;
    AlignGroup(p, 2, 300, 200);
    EXPECT_EQ(Places(p, {2, 6, 7}), (std::vector<Long>{100, 140, 60, 170, 100, 170}));
    EXPECT_CONSISTENT(p);

    // A group wider and higher than the field ends flush right and bottom.
    Regroup(p, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(Edges(p.Groups[1]), (std::vector<int>{0, 4, 0, 1})) << "the whole grid";
    AlignGroup(p, 1, 150, 50); // 200 wide and 60 high
    EXPECT_EQ(Places(p, {1, 10}), (std::vector<Long>{-50, -10, 110, 20}));
}

TEST(Alignment, AlignAllGroupsTouchesOnlyLooseListedGroupsOfSeveralPieces) {
    Puzzle p = MakePuzzle(5, 2, 40, 30);
    Regroup(p, 1, {1, 2});
    Regroup(p, 3, {3, 4});
    Regroup(p, 9, {9, 10});
    for (int piece : {1, 3, 5, 9}) {
        p.Pieces[piece].X = -7;
    }
    p.Groups[3].InPlace = kTrue; // an impossible state, to see the skip
    std::erase(p.GroupOrder, Integer(9));
    --p.GroupOrderCount;
    AlignAllGroups(p, 300, 200);
    EXPECT_EQ(Places(p, {1, 2, 3, 5, 9}),
              (std::vector<Long>{0, 18, 40, 18, -7, 18, -7, 18, -7, 48}));
}

} // namespace
} // namespace tess::test
