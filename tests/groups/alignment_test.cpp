// Laying a group out on its grid inside the play field.
#include "groups/alignment.h"
#include "groups/play_models.h"

namespace tess::test {
namespace {

// X and Y of each piece in turn.
std::vector<Long> Places(const Puzzle& p, std::initializer_list<int> pieces) {
    std::vector<Long> places;
    for (int i : pieces) {
        places.insert(places.end(), {p.Pieces[i].X, p.Pieces[i].Y});
    }
    return places;
}

TEST(Alignment, TwoPieceRowAgainstTheLeftAndRightBounds) {
    struct Case {
        Long x1;
        Single width;
        Long expected1;
    };
    for (const Case& c : {
             Case{-7, 300, 0},       // d = 0 >= -7: pushed in from the left
             Case{0, 300, 0},        // d = 0 >= 0: set to 0 again
             Case{230, 300, 220},    // 300 - 230 = 70 <= 80: flush with the right edge
             Case{220, 300, 220},    // 300 - 220 = 80 <= 80: set to 220 again
             Case{219, 300, 219},    // 81 > 80: stays
             Case{230, 300.5f, 220}, // 220.5 rounds to the even 220
             Case{230, 301.5f, 222}, // 221.5 rounds to the even 222
         }) {
        Puzzle p = MakePuzzle(5, 2, 40, 30);
        Regroup(p, 1, {1, 2});
        p.Pieces[1].X = c.x1;
        p.Pieces[1].Y = 100;
        p.Pieces[2].X = 999;
        p.Pieces[2].Y = -50;
        AlignGroup(p, 1, c.width, 400);
        EXPECT_EQ(Places(p, {1, 2}), (std::vector<Long>{c.expected1, 100, c.expected1 + 40, 100}))
            << c.x1 << " in " << c.width;
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
