// Starting a game afresh: breaking every group and scattering the pieces over the field.
#include "groups/play_models.h"

namespace tess::test {
namespace {

TEST(Scramble, BreaksEveryGroupUndoesEveryPlacingAndScattersInPieceOrderUpToTheCount) {
    Puzzle p = MakePuzzle(8, 8, 84, 63);
    Regroup(p, 9, {1, 2, 9, 10});
    p.Pieces[1].JoinedRight = p.Pieces[2].JoinedLeft = kTrue;
    PlaceGroup(p, 3);
    p.SelectedPiece = 4;
    p.PuzzleSolved = kTrue;
    p.ElapsedSeconds = 77;
    PlayFixture f(std::move(p));
    // On 800 x 560, X from the first draw and Y from the second: Int(631 r + 29) and
    // Int(433 r' + 22), over 29..659 and 22..454.
    f.scripted.values = {0.0f, kLargestDraw, kLargestDraw, 0.0f, 0.9f, 0.5f};
    f.game->mnuFileScramble_Click();

    const Puzzle& q = f.puzzle();
    EXPECT_EQ(Places(q, {1, 2, 3}), (std::vector<Long>{29, 454, 659, 22, 596, 238}));
    EXPECT_EQ(
        (std::vector<int>{f.scripted.reseeds, f.scripted.draws, q.GroupOrderCount, q.GroupSlotCount,
                          q.PlacedCount, q.SelectedPiece, q.PuzzleSolved, q.ElapsedSeconds,
                          q.Pieces[1].JoinedRight, q.Groups[3].InPlace, f.host.presentCount > 0}),
        (std::vector<int>{1, 128, 64, 64, 0, 0, kFalse, 0, kFalse, kFalse, true}));
    EXPECT_CONSISTENT(q);
    // A field too small for any place keeps one place at the minimum.
    EXPECT_EQ(ScrambleRangeOf(q, 150, 90), (ScrambleRange{29, 29, 22, 22}));
}

} // namespace
} // namespace tess::test
