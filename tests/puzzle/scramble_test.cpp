// Starting a game afresh: breaking every group and scattering the pieces over the field.
#include "groups/play_models.h"

namespace tess::test {
namespace {

// The 8 x 8 puzzle of a 1024 x 768 picture on an 800 x 560 play field.
Puzzle EightByEight() { return MakePuzzle(8, 8, 84, 63, 62, 27); }

TEST(Scramble, RangeKeepsTheWholeSurfaceInsideTheField) {
    const Puzzle p = EightByEight();
    EXPECT_EQ(ScrambleRangeOf(p, 800, 560), (ScrambleRange{29, 659, 22, 454}));
    // CInt rounds halves to even: 800.5 - 141 = 659.5 gives 660, 801.5 gives 660 too.
    EXPECT_EQ(ScrambleRangeOf(p, 800.5f, 560).MaxX, 660);
    EXPECT_EQ(ScrambleRangeOf(p, 801.5f, 560).MaxX, 660);
    // A field too small for any place keeps one place at the minimum.
    EXPECT_EQ(ScrambleRangeOf(p, 150, 90), (ScrambleRange{29, 29, 22, 22}));
}

TEST(Scramble, EachPieceTakesTwoSuccessiveDrawsXFirst) {
    struct Case {
        Single rx, ry;
        Long x, y;
    };
    // Int(631 x 0.5 + 29) = Int(344.5) rounds down.
    for (const Case& c : {Case{0.0f, 0.0f, 29, 22}, Case{kLargestDraw, kLargestDraw, 659, 454},
                          Case{0.5f, 0.25f, 344, 130}}) {
        ScriptedRandom random;
        random.values = {c.rx, c.ry};
        PieceRecord piece;
        ScatterPiece(piece, ScrambleRange{29, 659, 22, 454}, random);
        EXPECT_EQ((std::vector<Long>{piece.X, piece.Y}), (std::vector<Long>{c.x, c.y})) << c.rx;
        EXPECT_EQ(random.draws, 2);
    }
}

TEST(Scramble, TheGeneratorReachesBothEndsAndAFixedSeedRepeatsItself) {
    MersenneRandom random(2026u);
    const ScrambleRange range{29, 659, 22, 454};
    const auto scatter = [&] {
        PieceRecord piece;
        ScatterPiece(piece, range, random);
        return std::vector<Long>{piece.X, piece.Y};
    };
    const std::vector<Long> first = scatter();
    Long minX = 1000, maxX = 0, minY = 1000, maxY = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::vector<Long> place = scatter();
        minX = std::min(minX, place[0]);
        maxX = std::max(maxX, place[0]);
        minY = std::min(minY, place[1]);
        maxY = std::max(maxY, place[1]);
    }
    EXPECT_EQ((std::vector<Long>{minX, maxX, minY, maxY}), (std::vector<Long>{29, 659, 22, 454}));
    random.Reseed();
    EXPECT_EQ(scatter(), first);
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
    EXPECT_EQ((std::vector<int>{p.GroupOrderCount, p.GroupSlotCount, p.PlacedCount, p.SelectedPiece,
                                p.PuzzleSolved, p.ElapsedSeconds}),
              (std::vector<int>{6, 6, 0, 0, kFalse, 0}));
    EXPECT_EQ(p.Groups[3].InPlace, kTrue) << "the scramble clears it";
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(p.Groups[i].Members, Ints({0, i}));
    }
    p.Groups[3].InPlace = kFalse;
    EXPECT_CONSISTENT(p); // bounds, joins, placed pieces
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
    EXPECT_GT(f.host.presentCount, 0);
}

TEST(Scramble, WithoutAPuzzleNothingChangesAndNothingIsPainted) {
    PlayFixture f(EightByEight());
    f.puzzle().PuzzleLoaded = kFalse;
    f.puzzle().SelectedPiece = 5;
    const Puzzle before = f.puzzle();
    f.game->mnuFileScramble_Click();
    EXPECT_EQ(f.puzzle().Pieces, before.Pieces);
    EXPECT_EQ(f.puzzle().SelectedPiece, 5);
    EXPECT_EQ(f.scripted.reseeds + f.scripted.draws, 0);
    EXPECT_EQ(f.host.presentCount, 0);
}

} // namespace
} // namespace tess::test
