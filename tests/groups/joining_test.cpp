#include "groups/joining.h"
#include "groups/play_models.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

TEST(Joining, NeighboursGroupAbsorbsTheDraggedGroupInAscendingOrder) {
    // Seven columns: 10 lies under 3 and 11 under 4; 4 has been fitted to 3.
    Puzzle p = MakePuzzle(7, 2);
    Regroup(p, 3, {3, 10});
    Regroup(p, 4, {4, 11});
    EXPECT_CONSISTENT(p);
    p.SelectedPiece = 11;
    p.DraggedGroup = 4;
    SetPieceGroup(p, 3);

    EXPECT_EQ(p.Groups[3].Members, Ints({0, 3, 4, 10, 11}));
    EXPECT_EQ(p.Groups[3].MemberCount, 4);
    EXPECT_EQ((std::vector<int>{p.Groups[3].MinCol, p.Groups[3].MaxCol, p.Groups[3].MinRow,
                                p.Groups[3].MaxRow}),
              (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(p.Groups[4].MemberCount, 0);
    EXPECT_EQ(p.Groups[4].Members, Ints({0}));
    for (int piece : {3, 4, 10, 11}) {
        EXPECT_EQ(p.Pieces[piece].Group, 3) << piece;
    }
    EXPECT_EQ(p.DraggedGroup, 4) << "the caller stores the merged group";
    EXPECT_EQ(p.GroupOrderCount, 11);
    EXPECT_EQ(p.GroupOrder.size(), 12u);
    EXPECT_EQ(p.GroupOrder[11], 3) << "the merged group is raised to the top";
    EXPECT_CONSISTENT(p);
}

TEST(Joining, SevenUnderTwoMergesEitherWay) {
    struct Case {
        Integer dragged;
        Integer neighbour;
        Integer survivor;
    };
    for (const Case c : {Case{7, 2, 2}, Case{2, 7, 7}}) {
        Puzzle p = MakePuzzle(5, 2);
        p.SelectedPiece = c.dragged;
        p.DraggedGroup = c.dragged;
        SetPieceGroup(p, c.neighbour);
        const GroupRecord& g = p.Groups[c.survivor];
        EXPECT_EQ(g.Members, Ints({0, 2, 7})) << c.dragged;
        EXPECT_EQ((std::vector<int>{g.MinCol, g.MaxCol, g.MinRow, g.MaxRow}),
                  (std::vector<int>{1, 1, 0, 1}));
        EXPECT_EQ(p.Groups[c.dragged].MemberCount, 0);
        EXPECT_EQ(p.Groups[c.dragged].Members, Ints({0}));
        EXPECT_EQ(p.GroupOrder[p.GroupOrderCount], c.survivor);
        EXPECT_CONSISTENT(p);
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
    EXPECT_EQ(p.GroupOrderCount, 3);
    EXPECT_EQ(p.GroupOrder, Ints({0, 4, 5, 1}));
    EXPECT_CONSISTENT(p);
}

TEST(Joining, SetGroupEdgesCoversTheMembers) {
    Puzzle p = MakePuzzle(5, 4, 40, 30);
    Regroup(p, 8, {8, 12, 13, 14, 19});
    p.Groups[8].MinCol = p.Groups[8].MaxCol = p.Groups[8].MinRow = p.Groups[8].MaxRow = 0;
    SetGroupEdges(p, 8);
    EXPECT_EQ((std::vector<int>{p.Groups[8].MinCol, p.Groups[8].MaxCol, p.Groups[8].MinRow,
                                p.Groups[8].MaxRow}),
              (std::vector<int>{1, 3, 1, 3}));

    Puzzle whole = MakePuzzle(5, 4, 40, 30);
    Regroup(whole, 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    SetGroupEdges(whole, 20);
    const GroupRecord& g = whole.Groups[20];
    EXPECT_EQ((std::vector<int>{g.MinCol, g.MaxCol, g.MinRow, g.MaxRow}),
              (std::vector<int>{0, 4, 0, 3}));
}

TEST(Joining, RemoveGroupTakesItsLastPositionOutAndEmptiesTheSlot) {
    struct Case {
        std::vector<Integer> order;
        Integer group;
        std::vector<Integer> expected;
    };
    const std::vector<Case> cases = {
        {Ints({0, 1, 2, 3, 4}), 2, Ints({0, 1, 3, 4})},
        {Ints({0, 1, 2, 3, 4}), 1, Ints({0, 2, 3, 4})},
        {Ints({0, 1, 2, 3, 4}), 4, Ints({0, 1, 2, 3})},
        {Ints({0, 3}), 3, Ints({0})},
    };
    for (const Case& c : cases) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        p.GroupOrder = c.order;
        p.GroupOrderCount = static_cast<Integer>(c.order.size() - 1);
        p.Groups[c.group].InPlace = kTrue;
        p.Groups[c.group].MinCol = 1;
        RemoveGroup(p, c.group);
        EXPECT_EQ(p.GroupOrder, c.expected) << c.group;
        EXPECT_EQ(p.GroupOrderCount, static_cast<Integer>(c.expected.size() - 1));
        EXPECT_EQ(p.Groups[c.group].MemberCount, 0);
        EXPECT_EQ(p.Groups[c.group].Members, Ints({0}));
        EXPECT_EQ(p.Groups[c.group].InPlace, kTrue) << "left as it was";
        EXPECT_EQ(p.Groups[c.group].MinCol, 1) << "left as it was";
    }
}

TEST(Joining, ReOrderGroupsRaisesTheSelectedGroupKeepingTheOthersInOrder) {
    struct Case {
        Integer selected;
        std::vector<Integer> expected;
    };
    const std::vector<Case> cases = {
        {4, Ints({0, 1, 2, 3, 4})}, // already last: unchanged
        {1, Ints({0, 2, 3, 4, 1})}, // first: every other entry moves down one place
        {3, Ints({0, 1, 2, 4, 3})},
    };
    for (const Case& c : cases) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        p.SelectedPiece = c.selected;
        ReOrderGroups(p);
        EXPECT_EQ(p.GroupOrder, c.expected) << c.selected;
        EXPECT_CONSISTENT(p);
    }
    Puzzle single = MakePuzzle(2, 2, 60, 45);
    Regroup(single, 2, {1, 2, 3, 4});
    single.SelectedPiece = 3;
    ReOrderGroups(single);
    EXPECT_EQ(single.GroupOrder, Ints({0, 2}));
}

} // namespace
} // namespace tess::test
