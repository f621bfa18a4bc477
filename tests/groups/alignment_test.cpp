#include "groups/alignment.h"
#include "groups/play_models.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

struct Place {
    Long x;
    Long y;
    friend bool operator==(const Place&, const Place&) = default;
};

Place At(const Puzzle& p, int piece) { return {p.Pieces[piece].X, p.Pieces[piece].Y}; }

void PrintTo(const Place& place, std::ostream* os) {
    *os << '(' << place.x << ", " << place.y << ')';
}

TEST(Alignment, TwoPieceRowAgainstTheLeftAndRightBounds) {
    struct Case {
        Long x1;
        Single width;
        Long expected1;
        Long expected2;
    };
    const std::vector<Case> cases = {
        {-7, 300, 0, 40},        // d = 0 >= -7: pushed in from the left
        {0, 300, 0, 40},         // d = 0 >= 0: set to 0 again
        {230, 300, 220, 260},    // 300 - 230 = 70 <= 80: flush with the right edge
        {220, 300, 220, 260},    // 300 - 220 = 80 <= 80: set to 220 again
        {219, 300, 219, 259},    // 81 > 80: stays
        {230, 300.5f, 220, 260}, // 220.5 rounds to the even 220
        {230, 301.5f, 222, 262}, // 221.5 rounds to the even 222
    };
    for (const Case& c : cases) {
        Puzzle p = MakePuzzle(5, 2, 40, 30);
        Regroup(p, 1, {1, 2});
        p.Pieces[1].X = c.x1;
        p.Pieces[1].Y = 100;
        p.Pieces[2].X = 999;
        p.Pieces[2].Y = -50;
        AlignGroup(p, 1, c.width, 400);
        EXPECT_EQ(At(p, 1), (Place{c.expected1, 100})) << c.x1 << " in " << c.width;
        EXPECT_EQ(At(p, 2), (Place{c.expected2, 100})) << c.x1 << " in " << c.width;
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
    EXPECT_EQ(At(p, 2), (Place{40, 5}));
    EXPECT_EQ(At(p, 6), (Place{0, 35}));
    EXPECT_EQ(At(p, 7), (Place{40, 35}));

    // Bottom bound: h = 2 x 30 = 60; 200 - 150 = 50 <= 60 moves it up to 140.
    p.Pieces[2].X = 100;
    p.Pieces[2].Y = 150;
    AlignGroup(p, 2, 300, 200);
    EXPECT_EQ(At(p, 2), (Place{100, 140}));
    EXPECT_EQ(At(p, 6), (Place{60, 170}));
    EXPECT_EQ(At(p, 7), (Place{100, 170}));
    EXPECT_CONSISTENT(p);
}

TEST(Alignment, GroupsLargerThanTheFieldEndFlushRightAndBottom) {
    Puzzle p = MakePuzzle(5, 4, 40, 30);
    Regroup(p, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    p.Pieces[1].X = 20;
    p.Pieces[1].Y = 10;
    AlignGroup(p, 1, 150, 100); // 200 wide and 120 high
    EXPECT_EQ(At(p, 1), (Place{-50, -20}));
    EXPECT_EQ(At(p, 20), (Place{110, 70}));
}

TEST(Alignment, LonePiecesAreLeftAlone) {
    Puzzle p = MakePuzzle(5, 2, 40, 30);
    p.Pieces[3].X = -60;
    p.Pieces[3].Y = 1000;
    AlignGroup(p, 3, 300, 200);
    EXPECT_EQ(At(p, 3), (Place{-60, 1000}));
}

TEST(Alignment, AlignAllGroupsTouchesOnlyLooseGroupsInTheOrder) {
    Puzzle p = MakePuzzle(5, 2, 40, 30);
    Regroup(p, 1, {1, 2});
    Regroup(p, 3, {3, 4});
    Regroup(p, 9, {9, 10});
    p.Pieces[1].X = -7;
    p.Pieces[3].X = -7;
    p.Pieces[9].X = -7;
    p.Groups[3].InPlace = kTrue; // an impossible state, to see the skip
    p.GroupOrder.erase(std::find(p.GroupOrder.begin(), p.GroupOrder.end(), 9));
    --p.GroupOrderCount;
    AlignAllGroups(p, 300, 200);
    EXPECT_EQ(At(p, 2).x, 40);
    EXPECT_EQ(At(p, 3).x, -7);
    EXPECT_EQ(At(p, 9).x, -7);
}

} // namespace
} // namespace tess::test
