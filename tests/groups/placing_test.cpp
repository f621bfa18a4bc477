// Fixing groups at their true place: Hint, Solve and completing the puzzle.
#include "groups/placing.h"
#include "groups/play_models.h"

#include <QFile>

namespace tess::test {
namespace {

TEST(Placing, SolveOnAFreshTwoByTwoPlacesOneToFourInOrderAndCompletes) {
    // Timed, and the clock's seconds; only a timed game that the clock timed asks for a name.
    for (const auto& [timed, seconds] :
         {std::pair{false, 42}, std::pair{true, 42}, std::pair{true, 0}}) {
        const bool asks = timed && seconds > 0;
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        for (PieceRecord& piece : p.Pieces) {
            piece.Y = 300;
        }
        PlayFixture f(std::move(p));
        f.game->settings.TimePuzzle = timed;
        f.host.inputAnswers = {QStringLiteral("Ann")};
        f.puzzle().ElapsedSeconds = seconds;
        f.game->mnuFileSolve_Click();
        const Puzzle& q = f.puzzle();
        EXPECT_EQ(q.PlacedPieces, Ints({0, 1, 2, 3, 4}));
        EXPECT_EQ((std::vector<int>{q.GroupOrderCount, q.PuzzleSolved, q.ElapsedSeconds,
                                    q.SelectedPiece, q.Groups[1].InPlace, q.Groups[2].InPlace,
                                    q.Groups[3].InPlace, q.Groups[4].InPlace}),
                  (std::vector<int>{0, kTrue, 0, 0, kTrue, kTrue, kTrue, kTrue}));
        EXPECT_CONSISTENT(q); // placed pieces at home and out of every group
        // The clock stops before the name is asked for.
        const qsizetype stop = f.host.calls.indexOf(QStringLiteral("SetTimerEnabled 0"));
        EXPECT_GE(stop, 0);
        EXPECT_EQ(f.host.calls.indexOf(QStringLiteral("InputBox"), stop) > stop, asks);
        EXPECT_EQ(f.host.calls.contains(QStringLiteral("InputBox")), asks) << seconds;

        // Solved: Hint does nothing and Solve changes nothing.
        f.game->mnuFileHint_Click();
        f.game->mnuFileSolve_Click();
        EXPECT_EQ(f.scripted.draws, 0);
        EXPECT_EQ(f.puzzle().PlacedPieces, Ints({0, 1, 2, 3, 4}));
    }
}

TEST(Placing, HintPlacesTheGroupAtADrawnPositionOfTheDrawingOrderAndPlayGoesOn) {
    // GroupOrder is 2, 3, 4, 1 after raising group 1: Int(4 r + 1) picks the position.
    for (const auto& [r, placed] :
         {std::pair{0.2499f, 2}, std::pair{0.25f, 3}, std::pair{kLargestDraw, 1}}) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        p.GroupOrder = Ints({0, 2, 3, 4, 1});
        p.Pieces[placed].X += 100;
        PlayFixture f(std::move(p));
        f.puzzle().ElapsedSeconds = 42;
        f.puzzle().SelectedPiece = 3;
        f.scripted.values = {r};
        f.game->mnuFileHint_Click();
        const Puzzle& q = f.puzzle();
        EXPECT_EQ(q.PlacedPieces, Ints({0, placed})) << r;
        EXPECT_EQ((std::vector<int>{f.scripted.draws, f.scripted.reseeds, q.ElapsedSeconds,
                                    q.PuzzleSolved, q.SelectedPiece, q.Groups[placed].InPlace}),
                  (std::vector<int>{1, 0, 42, kFalse, 0, kTrue}));
        EXPECT_CONSISTENT(q);
        EXPECT_FALSE(f.host.calls.contains(QStringLiteral("SetTimerEnabled 0")));
        EXPECT_TRUE(QFile::exists(f.folder.path() + QStringLiteral("/besttimes.txt")))
            << "written after every placing";
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
