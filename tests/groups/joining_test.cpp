// Merging groups, their bounds and the drawing order.
#include "groups/play_models.h"

namespace tess::test {
namespace {

std::vector<int> Edges(const GroupRecord& g) { return {g.MinCol, g.MaxCol, g.MinRow, g.MaxRow}; }

TEST(Joining, NeighboursGroupAbsorbsTheDraggedGroupInAscendingOrder) {
    // Seven columns: 10 lies under 3 and 11 under 4; 4 has been fitted to 3.
    Puzzle p = MakePuzzle(7, 2);
    Regroup(p, 3, {3, 10});
    Regroup(p, 4, {4, 11});
    p.SelectedPiece = 11;
    p.DraggedGroup = 4;
    SetPieceGroup(p, 3);
    EXPECT_EQ(p.Groups[3].Members, Ints({0, 3, 4, 10, 11}));
    EXPECT_EQ(p.Groups[3].MemberCount, 4);
    EXPECT_EQ(Edges(p.Groups[3]), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(p.Groups[4].MemberCount, 0);
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
}

TEST(Joining, InsertionKeepsMembersAscendingWhateverTheyInterleave) {
    // {1, 3, 8} absorbs {2, 6, 7, 9}; the single pass per member sorts each into place.
    Puzzle p = MakePuzzle(3, 3, 60, 45);
    Regroup(p, 1, {1, 3, 8});
    Regroup(p, 9, {2, 6, 7, 9});
    p.SelectedPiece = 2;
    p.DraggedGroup = 9;
    SetPieceGroup(p, 3);
    EXPECT_EQ(p.Groups[1].Members, Ints({0, 1, 2, 3, 6, 7, 8, 9}));
    EXPECT_EQ(p.GroupOrder, Ints({0, 4, 5, 1}));
    EXPECT_CONSISTENT(p);
}

TEST(Joining, SetGroupEdgesCoversTheMembers) {
    Puzzle p = MakePuzzle(5, 4, 40, 30);
    Regroup(p, 8, {8, 12, 13, 14, 19});
    p.Groups[8].MinCol = p.Groups[8].MaxCol = p.Groups[8].MinRow = p.Groups[8].MaxRow = 0;
    SetGroupEdges(p, 8);
    EXPECT_EQ(Edges(p.Groups[8]), (std::vector<int>{1, 3, 1, 3}));
    Regroup(p, 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    EXPECT_EQ(Edges(p.Groups[20]), (std::vector<int>{0, 4, 0, 3})) << "the whole grid";
}

TEST(Joining, RemoveGroupTakesItsLastPositionOutAndEmptiesTheSlot) {
    struct Case {
        std::vector<Integer> order;
        Integer group;
        std::vector<Integer> expected;
    };
    for (const Case& c :
         {Case{Ints({0, 1, 2, 3, 4}), 2, Ints({0, 1, 3, 4})},
          Case{Ints({0, 1, 2, 3, 4}), 1, Ints({0, 2, 3, 4})},
          Case{Ints({0, 1, 2, 3, 4}), 4, Ints({0, 1, 2, 3})}, Case{Ints({0, 3}), 3, Ints({0})}}) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        p.GroupOrder = c.order;
        p.GroupOrderCount = static_cast<Integer>(c.order.size() - 1);
        p.Groups[c.group].InPlace = kTrue;
        p.Groups[c.group].MinCol = 1;
        RemoveGroup(p, c.group);
        EXPECT_EQ(p.GroupOrder, c.expected) << c.group;
        EXPECT_EQ(p.GroupOrderCount, static_cast<Integer>(c.expected.size() - 1));
        EXPECT_EQ(p.Groups[c.group].Members, Ints({0}));
        EXPECT_EQ(p.Groups[c.group].MemberCount, 0);
        EXPECT_EQ(p.Groups[c.group].InPlace, kTrue) << "left as it was";
        EXPECT_EQ(p.Groups[c.group].MinCol, 1) << "left as it was";
    }
}

TEST(Joining, ReOrderGroupsRaisesTheSelectedGroupKeepingTheOthersInOrder) {
    struct Case {
        Integer selected;
        std::vector<Integer> expected;
    };
    for (const Case& c : {Case{4, Ints({0, 1, 2, 3, 4})}, Case{1, Ints({0, 2, 3, 4, 1})},
                          Case{3, Ints({0, 1, 2, 4, 3})}}) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        p.SelectedPiece = c.selected;
        ReOrderGroups(p);
        EXPECT_EQ(p.GroupOrder, c.expected) << c.selected;
    }
    Puzzle single = MakePuzzle(2, 2, 60, 45);
    Regroup(single, 2, {1, 2, 3, 4});
    single.SelectedPiece = 3;
    ReOrderGroups(single);
    EXPECT_EQ(single.GroupOrder, Ints({0, 2}));
}

} // namespace
} // namespace tess::test
