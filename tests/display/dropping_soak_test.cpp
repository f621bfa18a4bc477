// Random play through the mouse handlers, with the model checked after every drop.
#include "groups/play_models.h"

#include <array>
#include <gtest/gtest.h>
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
    f.game->surfaces.PreviewSurface = Surface::CreateSurface(150, 100);
    p.PreviewWidth = 150;
    p.PreviewCaptionRect = {360, 5, 510, 22};
    p.PreviewRect = {360, 23, 510, 123};
    std::mt19937 rng(20261205u);
    auto uniform = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    int joins = 0, placings = 0, completions = 0, previewDrags = 0;
    for (int step = 0; step < 20000; ++step) {
        if (uniform(0, 99) == 0) {
            f.game->mnuFileHint_Click();
        }
        if (p.PuzzleSolved) {
            ++completions;
            f.game->mnuFileScramble_Click();
        }
        // Mostly a loose piece grabbed at its cell's middle (half its surface, 50 x 37, from
        // its top-left); else anywhere, with either button.
        const Integer group = p.GroupOrder[uniform(1, p.GroupOrderCount)];
        const PieceRecord& grabbed =
            p.Pieces[p.Groups[group].Members[uniform(1, p.Groups[group].MemberCount)]];
        const bool anywhere = uniform(0, 24) == 0;
        const int button = anywhere && uniform(0, 2) == 0 ? kRightButton : kLeftButton;
        const Long downX = anywhere ? uniform(-5, 525) : grabbed.X + 50;
        const Long downY = anywhere ? uniform(-5, 405) : grabbed.Y + 37;
        f.Down(downX, downY, button);
        previewDrags += p.PreviewDragging ? 1 : 0;
        // Near a neighbour or the home of the piece held, or anywhere.
        const PieceRecord& held = p.Pieces[std::max<Integer>(p.SelectedPiece, 1)];
        Long tx = uniform(-50, 550), ty = uniform(-50, 420);
        const int target = uniform(0, 9);
        const int n = p.SelectedPiece + std::array{-6, 6, -1, 1}[uniform(0, 3)];
        if (target < 8 && n >= 1 && n <= 24) {
            tx = p.Pieces[n].X + (held.Col - p.Pieces[n].Col) * 60 + uniform(-6, 6);
            ty = p.Pieces[n].Y + (held.Row - p.Pieces[n].Row) * 45 + uniform(-6, 6);
        } else if (target == 8) {
            tx = held.HomeX + uniform(-6, 6);
            ty = held.HomeY + uniform(-6, 6);
        }
        f.Move(tx + 50 + uniform(0, 1) * 0.5, ty + 37, button);
        const int groupsBefore = p.GroupOrderCount, placedBefore = p.PlacedCount;
        const bool dragging = p.Dragging;
        f.Up(tx + 50, ty + 37, anywhere && uniform(0, 3) == 0 ? kRightButton : kLeftButton);
        if (p.Dragging || p.PreviewDragging) {
            ASSERT_EQ(button, kLeftButton) << "step " << step;
            f.Up(uniform(0, 520), uniform(0, 400));
        }
        if (dragging) {
            const int placed = p.PlacedCount > placedBefore ? 1 : 0;
            placings += placed;
            joins += groupsBefore - p.GroupOrderCount - placed;
        }
        const QStringList problems = CheckModelInvariants(p);
        ASSERT_TRUE(problems.isEmpty() && !p.Dragging)
            << "step " << step << ": " << problems.join('\n').toStdString();
    }
    // The walk must really play: many joins and placings, whole games finished.
    EXPECT_GT(joins, 1000);
    EXPECT_GT(placings, 200);
    EXPECT_GT(completions, 5);
    EXPECT_GT(previewDrags, 0);
}

} // namespace
} // namespace tess::test
