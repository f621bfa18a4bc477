#include "puzzle/invariants.h"

#include <functional>
#include <gtest/gtest.h>

namespace tess {
namespace {

// A consistent 2 x 2 puzzle after a scramble: one group per piece, checkerboard shapes.
Puzzle FreshTwoByTwo() {
    Puzzle p;
    p.NumberOfPieces = 4;
    p.PuzzleColumns = 2;
    p.PuzzleRows = 2;
    p.Pieces.assign(5, PieceRecord{});
    p.Groups.assign(5, GroupRecord{});
    p.GroupOrder = {0, 1, 2, 3, 4};
    p.GroupOrderCount = 4;
    p.GroupSlotCount = 4;
    for (Integer i = 1; i <= 4; ++i) {
        PieceRecord& piece = p.Pieces[i];
        piece.Col = static_cast<Integer>((i - 1) % 2);
        piece.Row = static_cast<Integer>((i - 1) / 2);
        piece.Group = i;
        const bool even = (piece.Col + piece.Row) % 2 == 0;
        piece.LeftOut = ToFlag(even || piece.Col == 0);
        piece.RightOut = ToFlag(even || piece.Col == 1);
        piece.TopOut = ToFlag(!even || piece.Row == 0);
        piece.BottomOut = ToFlag(!even || piece.Row == 1);
        GroupRecord& g = p.Groups[i];
        g.Members = {0, i};
        g.MemberCount = 1;
        g.MinCol = g.MaxCol = piece.Col;
        g.MinRow = g.MaxRow = piece.Row;
    }
    return p;
}

TEST(ModelInvariants, ConsistentModelsPass) {
    EXPECT_TRUE(CheckModelInvariants(Puzzle{}).isEmpty());
    EXPECT_TRUE(CheckModelInvariants(FreshTwoByTwo()).isEmpty())
        << CheckModelInvariants(FreshTwoByTwo()).join('\n').toStdString();
}

TEST(ModelInvariants, EachBrokenInvariantIsReported) {
    const std::vector<std::pair<const char*, std::function<void(Puzzle&)>>> breaks = {
        {"piece in two groups",
         [](Puzzle& p) {
             p.Groups[1].Members = {0, 1, 2};
             p.Groups[1].MemberCount = 2;
         }},
        {"members out of order",
         [](Puzzle& p) {
             p.Groups[1].Members = {0, 2, 1};
             p.Groups[1].MemberCount = 2;
             p.Groups[1].MaxCol = 1;
             p.Pieces[2].Group = 1;
             p.Groups[2] = GroupRecord{};
             p.GroupOrder = {0, 1, 3, 4};
             p.GroupOrderCount = 3;
         }},
        {"wrong bounds", [](Puzzle& p) { p.Groups[3].MaxCol = 1; }},
        {"group listed twice in order", [](Puzzle& p) { p.GroupOrder[2] = 1; }},
        {"two knobs on one edge", [](Puzzle& p) { p.Pieces[2].LeftOut = kTrue; }},
        {"one-sided join", [](Puzzle& p) { p.Pieces[1].JoinedRight = kTrue; }},
        {"flag holding 1", [](Puzzle& p) { p.Pieces[1].JoinedTop = 1; }},
        {"placed piece away from home",
         [](Puzzle& p) {
             p.Groups[4] = GroupRecord{};
             p.Groups[4].InPlace = kTrue;
             p.Pieces[4].Group = 0;
             p.GroupOrder = {0, 1, 2, 3};
             p.GroupOrderCount = 3;
             p.PlacedPieces = {0, 4};
             p.PlacedCount = 1;
             p.Pieces[4].X = p.Pieces[4].HomeX + 1;
         }},
        {"grid does not hold N", [](Puzzle& p) { p.PuzzleColumns = 3; }},
    };
    for (const auto& [name, breakIt] : breaks) {
        Puzzle p = FreshTwoByTwo();
        breakIt(p);
        EXPECT_FALSE(CheckModelInvariants(p).isEmpty()) << name;
    }
}

} // namespace
} // namespace tess
