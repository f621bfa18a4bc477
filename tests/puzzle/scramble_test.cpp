#include "groups/play_models.h"
#include "puzzle/scramble.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

// The 8 x 8 puzzle of a 1024 x 768 picture on an 800 x 560 play field.
Puzzle EightByEight() { return MakePuzzle(8, 8, 84, 63, 62, 27); }

TEST(Scramble, RangeKeepsTheWholeSurfaceInsideTheField) {
    const Puzzle p = EightByEight();
    EXPECT_EQ(ScrambleRangeOf(p, 800, 560), (ScrambleRange{29, 659, 22, 454}));
    // The surface of a piece at MaxX ends at 659 + 139 = 798, one short of the last column.
    EXPECT_EQ(659 + p.CellWidth + 2 * p.TabWidth - 1, 800 - 2);
    // CInt rounds halves to even: 800.5 - 141 = 659.5 gives 660, 801.5 gives 660 too.
    EXPECT_EQ(ScrambleRangeOf(p, 800.5f, 560).MaxX, 660);
    EXPECT_EQ(ScrambleRangeOf(p, 801.5f, 560).MaxX, 660);
    // A field too small for any place keeps one place at the minimum.
    EXPECT_EQ(ScrambleRangeOf(p, 150, 90), (ScrambleRange{29, 29, 22, 22}));
    EXPECT_EQ(ScrambleRangeOf(p, 0, 0), (ScrambleRange{29, 29, 22, 22}));
}

TEST(Scramble, EachPieceTakesTwoSuccessiveDrawsXFirst) {
    struct Case {
        Single rx;
        Single ry;
        Long x;
        Long y;
    };
    const std::vector<Case> cases = {
        {0.0f, 0.0f, 29, 22},
        {kLargestDraw, kLargestDraw, 659, 454},
        {0.5f, 0.5f, 344,
         238}, // Int(631 x 0.5 + 29) = Int(344.5); Int(433 x 0.5 + 22) = Int(238.5)
        {0.25f, 0.75f, 186, 346},
    };
    const ScrambleRange range{29, 659, 22, 454};
    for (const Case& c : cases) {
        ScriptedRandom random;
        random.values = {c.rx, c.ry};
        PieceRecord piece;
        ScatterPiece(piece, range, random);
        EXPECT_EQ(piece.X, c.x) << c.rx;
        EXPECT_EQ(piece.Y, c.y) << c.ry;
        EXPECT_EQ(random.draws, 2);
    }
}

TEST(Scramble, PositionsStayInRangeAndReachBothEndsOverManySeeds) {
    const ScrambleRange range{29, 659, 22, 454};
    Long minX = 10000, maxX = -1, minY = 10000, maxY = -1;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        MersenneRandom random(seed);
        for (int i = 0; i < 64; ++i) {
            PieceRecord piece;
            ScatterPiece(piece, range, random);
            minX = std::min(minX, piece.X);
            maxX = std::max(maxX, piece.X);
            minY = std::min(minY, piece.Y);
            maxY = std::max(maxY, piece.Y);
        }
    }
    EXPECT_EQ(minX, 29);
    EXPECT_EQ(maxX, 659);
    EXPECT_EQ(minY, 22);
    EXPECT_EQ(maxY, 454);
}

TEST(Scramble, ClearSettingsBreaksEveryGroupAndUndoesEveryPlacing) {
    Puzzle p = MakePuzzle(3, 2, 60, 45);
    Regroup(p, 2, {1, 2, 4, 5});
    p.Pieces[1].JoinedRight = p.Pieces[2].JoinedLeft = kTrue;
    p.Pieces[3].Group = 0;
    p.Groups[3] = GroupRecord{};
    p.Groups[3].InPlace = kTrue;
    p.PlacedPieces = Ints({0, 3});
    p.PlacedCount = 1;
    p.GroupOrder = Ints({0, 6, 2});
    p.GroupOrderCount = 2;
    p.SelectedPiece = 4;
    p.PuzzleSolved = kTrue;
    p.ElapsedSeconds = 77;
    ClearSettings(p);
    EXPECT_EQ(p.GroupOrder, Ints({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(p.GroupOrderCount, 6);
    EXPECT_EQ(p.GroupSlotCount, 6);
    EXPECT_EQ(p.PlacedPieces, Ints({0}));
    EXPECT_EQ(p.PlacedCount, 0);
    EXPECT_EQ(p.SelectedPiece, 0);
    EXPECT_EQ(p.PuzzleSolved, kFalse);
    EXPECT_EQ(p.ElapsedSeconds, 0);
    EXPECT_EQ(p.Pieces[1].JoinedRight, kFalse);
    EXPECT_EQ(p.Groups[3].InPlace, kTrue) << "the scramble clears it";
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(p.Groups[i].Members, Ints({0, i}));
        EXPECT_EQ(p.Groups[i].MinCol, p.Pieces[i].Col);
        EXPECT_EQ(p.Groups[i].MaxRow, p.Pieces[i].Row);
    }
}

TEST(Scramble, TheCommandReseedsOnceAndScattersInPieceOrder) {
    Puzzle p = EightByEight();
    Regroup(p, 9, {1, 2, 9, 10});
    p.Groups[5].InPlace = kTrue;
    PlayFixture f(std::move(p));
    f.scripted.values = {0.0f, kLargestDraw, kLargestDraw, 0.0f, 0.5f, 0.5f};
    f.game->mnuFileScramble_Click();
    const Puzzle& q = f.puzzle();
    EXPECT_EQ(f.scripted.reseeds, 1);
    EXPECT_EQ(f.scripted.draws, 128);
    EXPECT_EQ((std::vector<Long>{q.Pieces[1].X, q.Pieces[1].Y, q.Pieces[2].X, q.Pieces[2].Y,
                                 q.Pieces[3].X, q.Pieces[3].Y}),
              (std::vector<Long>{29, 454, 659, 22, 344, 238}));
    EXPECT_EQ(q.Groups[5].InPlace, kFalse);
    EXPECT_EQ(q.GroupOrderCount, 64);
    EXPECT_CONSISTENT(q);
}

TEST(Scramble, AFixedSeedGivesTheSamePlacesEveryTime) {
    // The first draws of the seeded twister, worked out independently of the scramble.
    std::mt19937 engine(2026u);
    auto draw = [&engine] { return static_cast<Single>(engine() >> 8) * (1.0f / 16777216.0f); };
    const Long x1 = static_cast<Long>(std::floor(631.0f * draw() + 29.0f));
    const Long y1 = static_cast<Long>(std::floor(433.0f * draw() + 22.0f));

    MersenneRandom random(2026u);
    PlayFixture f(EightByEight(), &random);
    f.game->mnuFileScramble_Click();
    std::vector<Long> places;
    for (int i = 1; i <= 4; ++i) {
        places.push_back(f.puzzle().Pieces[i].X);
        places.push_back(f.puzzle().Pieces[i].Y);
    }
    EXPECT_EQ(places[0], x1);
    EXPECT_EQ(places[1], y1);
    EXPECT_EQ(places, (std::vector<Long>{167, 353, 289, 438, 645, 438, 85, 328}));

    f.game->mnuFileScramble_Click();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(f.puzzle().Pieces[i].X, places[2 * i - 2]);
        EXPECT_EQ(f.puzzle().Pieces[i].Y, places[2 * i - 1]);
    }
}

TEST(Scramble, WithoutAPuzzleNothingChangesAndNothingIsPainted) {
    Puzzle p = EightByEight();
    PlayFixture f(std::move(p));
    f.puzzle().PuzzleLoaded = kFalse;
    f.puzzle().SelectedPiece = 5;
    const Puzzle before = f.puzzle();
    const int presents = f.host.presentCount;
    f.game->mnuFileScramble_Click();
    EXPECT_EQ(f.puzzle().Pieces, before.Pieces);
    EXPECT_EQ(f.puzzle().SelectedPiece, 5);
    EXPECT_EQ(f.scripted.reseeds + f.scripted.draws, 0);
    EXPECT_EQ(f.host.presentCount, presents);

    // After Close: slot 0 only.
    f.puzzle().ReduceToSlotZero();
    f.game->mnuFileScramble_Click();
    EXPECT_EQ(f.puzzle().Pieces.size(), 1u);
    EXPECT_EQ(f.host.presentCount, presents);
}

} // namespace
} // namespace tess::test
