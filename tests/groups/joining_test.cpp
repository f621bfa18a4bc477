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

} // namespace
} // namespace tess::test
