#include "groups/placing.h"
#include "groups/play_models.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

TEST(Placing, SolveOnAFreshTwoByTwoPlacesOneToFourInOrderAndCompletes) {
    Puzzle p = MakePuzzle(2, 2, 60, 45);
    for (int i = 1; i <= 4; ++i) {
        p.Pieces[i].X = 10 * i;
        p.Pieces[i].Y = 300;
    }
    PlayFixture f(std::move(p));
    f.game->settings.TimePuzzle = false;
    f.puzzle().ElapsedSeconds = 42;
    f.game->mnuFileSolve_Click();

    const Puzzle& q = f.puzzle();
    EXPECT_EQ(q.PlacedPieces, Ints({0, 1, 2, 3, 4}));
    EXPECT_EQ(q.PlacedCount, 4);
    EXPECT_EQ(q.GroupOrderCount, 0);
    EXPECT_EQ(q.GroupOrder, Ints({0}));
    EXPECT_EQ(q.PuzzleSolved, kTrue);
    EXPECT_EQ(q.ElapsedSeconds, 0);
    EXPECT_EQ(q.SelectedPiece, 0);
    EXPECT_TRUE(f.host.calls.contains("SetTimerEnabled 0"));
    EXPECT_FALSE(f.host.calls.contains("InputBox")) << "an untimed game asks for no name";
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(q.Pieces[i].X, q.Pieces[i].HomeX);
        EXPECT_EQ(q.Pieces[i].Y, q.Pieces[i].HomeY);
        EXPECT_EQ(q.Pieces[i].Group, 0);
        EXPECT_EQ(q.Groups[i].InPlace, kTrue);
        EXPECT_EQ(q.Groups[i].Members, Ints({0}));
    }
    EXPECT_CONSISTENT(q);

    // Solved: Hint does nothing and Solve changes nothing.
    const Puzzle before = q;
    f.game->mnuFileHint_Click();
    f.game->mnuFileSolve_Click();
    EXPECT_EQ(f.scripted.draws, 0);
    EXPECT_EQ(f.puzzle().PlacedPieces, before.PlacedPieces);
}

TEST(Placing, PlacingAGroupThatIsNotTheLastLeavesTheGameRunning) {
    Puzzle p = MakePuzzle(3, 2, 60, 45);
    Regroup(p, 5, {2, 5, 6});
    p.Pieces[2].X = 400;
    p.Pieces[5].X = 400;
    p.Pieces[6].X = 460;
    PlayFixture f(std::move(p));
    f.puzzle().ElapsedSeconds = 42;
    f.puzzle().SelectedPiece = 6;
    f.game->SetGroupInPlace(5);

    const Puzzle& q = f.puzzle();
    EXPECT_EQ(q.PlacedPieces, Ints({0, 2, 5, 6}));
    EXPECT_EQ(q.GroupOrder, Ints({0, 1, 3, 4}));
    EXPECT_EQ(q.Groups[5].InPlace, kTrue);
    EXPECT_EQ(q.Groups[5].MemberCount, 0);
    EXPECT_EQ(q.Pieces[6].X, q.Pieces[6].HomeX);
    EXPECT_EQ(q.ElapsedSeconds, 42);
    EXPECT_EQ(q.PuzzleSolved, kFalse);
    EXPECT_EQ(q.SelectedPiece, 0);
    EXPECT_FALSE(f.host.calls.contains("SetTimerEnabled 0"));
    EXPECT_CONSISTENT(q);
}

TEST(Placing, HintDrawsAPositionOfTheDrawingOrder) {
    struct Case {
        Single r;
        Integer placed;
    };
    // GroupOrder is 2, 3, 4, 1 after raising group 1: Int(4 r + 1) picks the position.
    for (const Case c :
         {Case{0.0f, 2}, Case{0.2499f, 2}, Case{0.25f, 3}, Case{0.6f, 4}, Case{kLargestDraw, 1}}) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        p.GroupOrder = Ints({0, 2, 3, 4, 1});
        PlayFixture f(std::move(p));
        f.scripted.values = {c.r};
        f.game->mnuFileHint_Click();
        EXPECT_EQ(f.puzzle().PlacedPieces, Ints({0, c.placed})) << c.r;
        EXPECT_EQ(f.scripted.draws, 1);
        EXPECT_EQ(f.scripted.reseeds, 0);
        EXPECT_CONSISTENT(f.puzzle());
    }
}

TEST(Placing, HintPlacesAWholeGroupAndIsUniformOverGroupsNotPieces) {
    Puzzle p = MakePuzzle(2, 2, 60, 45);
    Regroup(p, 1, {1, 2, 3});
    MersenneRandom random(99u);
    int bigFirst = 0;
    for (int round = 0; round < 2000; ++round) {
        bigFirst += DrawHintGroup(p, random) == 1 ? 1 : 0;
    }
    // Two groups of 3 and 1 pieces: each is drawn about half the time.
    EXPECT_GT(bigFirst, 900);
    EXPECT_LT(bigFirst, 1100);

    PlayFixture f(std::move(p));
    f.scripted.values = {0.1f};
    f.game->mnuFileHint_Click();
    EXPECT_EQ(f.puzzle().PlacedPieces, Ints({0, 1, 2, 3}));
}

TEST(Placing, HintDrawsAgainPastGroupsMarkedInPlaceAndGivesUpWhenAllAre) {
    Puzzle p = MakePuzzle(2, 2, 60, 45);
    p.Groups[1].InPlace = kTrue;
    p.Groups[2].InPlace = kTrue;
    ScriptedRandom random;
    random.values = {0.1f, 0.3f, 0.8f};
    EXPECT_EQ(DrawHintGroup(p, random), 4);
    EXPECT_EQ(random.draws, 3);

    p.Groups[3].InPlace = p.Groups[4].InPlace = kTrue;
    EXPECT_EQ(DrawHintGroup(p, random), 0);
}

TEST(Placing, CompletingATimedGameStopsTheClockBeforeTheBestTimes) {
    Puzzle p = MakePuzzle(2, 2, 60, 45);
    PlayFixture f(std::move(p));
    f.game->settings.TimePuzzle = true;
    f.puzzle().ElapsedSeconds = 30;
    f.host.inputAnswers = {QStringLiteral("Ann")};
    f.game->mnuFileSolve_Click();
    EXPECT_EQ(f.puzzle().PuzzleSolved, kTrue);
    EXPECT_EQ(f.puzzle().ElapsedSeconds, 0);
    EXPECT_FALSE(f.host.timerEnabled);
    EXPECT_CONSISTENT(f.puzzle());
}

} // namespace
} // namespace tess::test
