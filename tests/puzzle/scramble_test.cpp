// Starting a game afresh: breaking every group and scattering the pieces over the field.
#include "groups/placing.h"
#include "groups/play_models.h"

namespace tess::test {
namespace {

TEST(Scramble, RangeKeepsTheWholeSurfaceInsideTheFieldAndTakesTwoDrawsPerPiece) {
    const Puzzle p = MakePuzzle(8, 8, 84, 63); // a 1024 x 768 picture on 800 x 560
    EXPECT_EQ(ScrambleRangeOf(p, 800, 560), (ScrambleRange{29, 659, 22, 454}));
    // CInt rounds halves to even: 800.5 - 141 = 659.5 gives 660, 801.5 gives 660 too.
    EXPECT_EQ(ScrambleRangeOf(p, 800.5f, 560).MaxX, 660);
    EXPECT_EQ(ScrambleRangeOf(p, 801.5f, 560).MaxX, 660);
    // A field too small for any place keeps one place at the minimum.
    EXPECT_EQ(ScrambleRangeOf(p, 150, 90), (ScrambleRange{29, 29, 22, 22}));

    // X from the first draw, Y from the second; Int(631 x 0.5 + 29) = Int(344.5).
    ScriptedRandom random;
    random.values = {0.0f, 0.0f, kLargestDraw, kLargestDraw, 0.5f, 0.25f};
    for (const auto& [x, y] : {std::pair{29, 22}, std::pair{659, 454}, std::pair{344, 130}}) {
        PieceRecord piece;
        ScatterPiece(piece, ScrambleRange{29, 659, 22, 454}, random);
        EXPECT_EQ((std::vector<Long>{piece.X, piece.Y}), (std::vector<Long>{x, y}));
    }
    EXPECT_EQ(random.draws, 6);
}

TEST(Scramble, BreaksEveryGroupUndoesEveryPlacingAndScattersInPieceOrder) {
    Puzzle p = MakePuzzle(8, 8, 84, 63);
    Regroup(p, 9, {1, 2, 9, 10});
    p.Pieces[1].JoinedRight = p.Pieces[2].JoinedLeft = kTrue;
    PlaceGroup(p, 3);
    p.SelectedPiece = 4;
    p.PuzzleSolved = kTrue;
    p.ElapsedSeconds = 77;
    PlayFixture f(std::move(p));
    f.scripted.values = {0.0f, kLargestDraw, kLargestDraw, 0.0f, 0.5f, 0.5f};
    f.game->mnuFileScramble_Click();

    const Puzzle& q = f.puzzle();
    EXPECT_EQ((std::vector<int>{f.scripted.reseeds, f.scripted.draws}), (std::vector<int>{1, 128}));
    EXPECT_EQ((std::vector<Long>{q.Pieces[1].X, q.Pieces[1].Y, q.Pieces[2].X, q.Pieces[2].Y,
                                 q.Pieces[3].X, q.Pieces[3].Y}),
              (std::vector<Long>{29, 454, 659, 22, 344, 238}));
    for (int i = 1; i <= 64; ++i) {
        EXPECT_EQ(q.Groups[i].Members, Ints({0, i}));
        EXPECT_EQ(q.GroupOrder[i], i);
    }
    EXPECT_EQ((std::vector<int>{q.GroupOrderCount, q.GroupSlotCount, q.PlacedCount, q.SelectedPiece,
                                q.PuzzleSolved, q.ElapsedSeconds, q.Pieces[1].JoinedRight,
                                q.Groups[3].InPlace}),
              (std::vector<int>{64, 64, 0, 0, kFalse, 0, kFalse, kFalse}));
    EXPECT_CONSISTENT(q);
    EXPECT_GT(f.host.presentCount, 0);
}

TEST(Scramble, ClearSettingsResetsNumberOfPiecesPiecesWhateverTheArraysHold) {
    // The largest Integer count ends too; records beyond the count are left alone.
    for (const int n : {4, 32767}) {
        Puzzle p;
        p.NumberOfPieces = Integer(n);
        p.Pieces.resize(std::size_t(n) + 3);
        ClearSettings(p);
        EXPECT_EQ((std::vector<int>{p.GroupOrderCount, p.GroupSlotCount, int(p.Groups.size()),
                                    p.GroupOrder[n], p.Pieces[n].Group, p.Pieces[n + 1].Group}),
                  (std::vector<int>{n, n, n + 1, n, n, 0}));
        EXPECT_EQ(p.Groups[n].Members, Ints({0, n}));
    }
    Puzzle fewer;
    fewer.NumberOfPieces = 5;
    fewer.Pieces.resize(3);
    EXPECT_THROW(ClearSettings(fewer), std::out_of_range);
}

TEST(Scramble, WithoutAPuzzleNothingChangesAndNothingIsPainted) {
    PlayFixture f(MakePuzzle(8, 8, 84, 63));
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
