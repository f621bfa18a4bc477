// Fixing groups at their true place: Hint, Solve and completing the puzzle.
#include "groups/placing.h"
#include "groups/play_models.h"

#include <QFile>

namespace tess::test {
namespace {

TEST(Placing, SolveOnAFreshTwoByTwoPlacesOneToFourInOrderAndCompletes) {
    for (const bool timed : {false, true}) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        for (int i = 1; i <= 4; ++i) {
            p.Pieces[i].X = 10 * i;
            p.Pieces[i].Y = 300;
        }
        PlayFixture f(std::move(p));
        f.game->settings.TimePuzzle = timed;
        f.host.inputAnswers = {QStringLiteral("Ann")};
        f.puzzle().ElapsedSeconds = 42;
        f.game->mnuFileSolve_Click();

        const Puzzle& q = f.puzzle();
        EXPECT_EQ(q.PlacedPieces, Ints({0, 1, 2, 3, 4}));
        EXPECT_EQ(q.GroupOrder, Ints({0}));
        EXPECT_EQ((std::vector<int>{q.GroupOrderCount, q.PuzzleSolved, q.ElapsedSeconds,
                                    q.SelectedPiece}),
                  (std::vector<int>{0, kTrue, 0, 0}));
        EXPECT_CONSISTENT(q); // placed pieces at home, out of every group
        for (int i = 1; i <= 4; ++i) {
            EXPECT_EQ(q.Groups[i].InPlace, kTrue);
        }
        // The clock stops before the name is asked for, and only a timed game asks.
        const qsizetype stop = f.host.calls.indexOf(QStringLiteral("SetTimerEnabled 0"));
        const qsizetype ask = f.host.calls.indexOf(QStringLiteral("InputBox"));
        EXPECT_GE(stop, 0);
        EXPECT_EQ(ask > stop, timed);
        EXPECT_EQ(ask >= 0, timed);

        // Solved: Hint does nothing and Solve changes nothing.
        f.game->mnuFileHint_Click();
        f.game->mnuFileSolve_Click();
        EXPECT_EQ(f.scripted.draws, 0);
        EXPECT_EQ(f.puzzle().PlacedPieces, Ints({0, 1, 2, 3, 4}));
    }
}

TEST(Placing, PlacingAGroupThatIsNotTheLastLeavesTheGameRunning) {
    Puzzle p = MakePuzzle(3, 2, 60, 45);
    Regroup(p, 5, {2, 5, 6});
    p.Pieces[2].X = p.Pieces[5].X = 400;
    p.Pieces[6].X = 460;
    PlayFixture f(std::move(p));
    f.puzzle().ElapsedSeconds = 42;
    f.puzzle().SelectedPiece = 6;
    f.game->SetGroupInPlace(5);

    const Puzzle& q = f.puzzle();
    EXPECT_EQ(q.PlacedPieces, Ints({0, 2, 5, 6}));
    EXPECT_EQ(q.GroupOrder, Ints({0, 1, 3, 4}));
    EXPECT_EQ(q.Groups[5].InPlace, kTrue);
    EXPECT_EQ((std::vector<int>{q.ElapsedSeconds, q.PuzzleSolved, q.SelectedPiece}),
              (std::vector<int>{42, kFalse, 0}));
    EXPECT_FALSE(f.host.calls.contains("SetTimerEnabled 0"));
    EXPECT_TRUE(QFile::exists(f.folder.path() + QStringLiteral("/besttimes.txt")));
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
    }
}

TEST(Placing, HintIsUniformOverGroupsAndSkipsGroupsMarkedInPlace) {
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
    f.game->mnuFileHint_Click();
    EXPECT_EQ(f.puzzle().PlacedPieces, Ints({0, 1, 2, 3})) << "the whole group";

    Puzzle marked = MakePuzzle(2, 2, 60, 45);
    marked.Groups[1].InPlace = marked.Groups[2].InPlace = kTrue;
    ScriptedRandom scripted;
    scripted.values = {0.1f, 0.3f, 0.8f};
    EXPECT_EQ(DrawHintGroup(marked, scripted), 4);
    EXPECT_EQ(scripted.draws, 3);
    marked.Groups[3].InPlace = marked.Groups[4].InPlace = kTrue;
    EXPECT_EQ(DrawHintGroup(marked, scripted), 0);
}

} // namespace
} // namespace tess::test
