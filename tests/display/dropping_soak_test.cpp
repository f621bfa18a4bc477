// Random play through the mouse handlers, with the model checked after every drop.
#include "groups/play_models.h"

#include <array>
#include <random>

namespace tess::test {
namespace {

TEST(DroppingSoak, TwentyThousandRandomDragsKeepTheModelConsistent) {
    MersenneRandom gameRandom(4242u);
    PlayFixture f(MakePuzzle(6, 4, 60, 45, 60, 40), &gameRandom);
    f.host.playFieldSize = QSize(520, 400);
    f.game->InitDirectDraw();
    f.game->settings.TimePuzzle = false;
    f.game->mnuFileScramble_Click();
    Puzzle& p = f.puzzle();
    std::mt19937 rng(20261205u);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    int completions = 0;
    for (int step = 0; step < 20000; ++step) {
        if (p.PuzzleSolved) {
            ++completions;
            f.game->mnuFileScramble_Click();
        }
        // A loose piece grabbed at its cell's middle, half its surface (50 x 37) from its
        // top-left.
        const Integer group = p.GroupOrder[uniform(1, p.GroupOrderCount)];
        const PieceRecord& grabbed =
            p.Pieces[p.Groups[group].Members[uniform(1, p.Groups[group].MemberCount)]];
        f.Down(grabbed.X + 50, grabbed.Y + 37);
        // Within 6 pixels of a fit to a neighbour (nearly always) or of home.
        const PieceRecord& held = p.Pieces[std::max<Integer>(p.SelectedPiece, 1)];
        const int n = p.SelectedPiece + std::array{-6, 6, -1, 1}[uniform(0, 3)];
        const bool near = uniform(0, 8) > 0 && n >= 1 && n <= 24;
        const PieceRecord& to = p.Pieces[near ? n : 0];
        const Long tx = (near ? to.X + (held.Col - to.Col) * 60 : held.HomeX) + uniform(-6, 6);
        const Long ty = (near ? to.Y + (held.Row - to.Row) * 45 : held.HomeY) + uniform(-6, 6);
        f.Move(tx + 50, ty + 37);
        f.Up(tx + 50, ty + 37);
        const QStringList problems = CheckModelInvariants(p);
        ASSERT_TRUE(problems.isEmpty() && !p.Dragging)
            << "step " << step << ": " << problems.join('\n').toStdString();
    }
    // The walk must really play: whole games finished.
    EXPECT_GT(completions, 20);
}

} // namespace
} // namespace tess::test
