// Random play through the mouse handlers, with the model checked after every drop.
#include "groups/play_models.h"

#include <gtest/gtest.h>
#include <random>

namespace tess::test {
namespace {

// Whether every loose group lies on its grid, each member whole cells from the first.
QStringList CheckGroupLayout(const Puzzle& p) {
    QStringList problems;
    for (int gi = 1; gi <= p.GroupOrderCount; ++gi) {
        const GroupRecord& g = p.Groups[p.GroupOrder[gi]];
        const PieceRecord& f = p.Pieces[g.Members[1]];
        for (int k = 2; k <= g.MemberCount; ++k) {
            const PieceRecord& m = p.Pieces[g.Members[k]];
            if (m.X - f.X != (m.Col - f.Col) * p.CellWidth ||
                m.Y - f.Y != (m.Row - f.Row) * p.CellHeight) {
                problems << QStringLiteral("piece %1 is off its group's grid").arg(g.Members[k]);
            }
        }
    }
    return problems;
}

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
    const int hw = (2 * p.TabWidth + p.CellWidth) / 2;
    const int hh = (2 * p.TabHeight + p.CellHeight) / 2;
    std::mt19937 rng(20261205u);
    auto uniform = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    int joins = 0, placings = 0, completions = 0, previewDrags = 0;

    for (int step = 0; step < 20000; ++step) {
        if (p.PuzzleSolved) {
            ++completions;
            f.game->mnuFileScramble_Click();
        }
        const int kind = uniform(0, 99);
        if (kind == 0) {
            f.game->mnuFileHint_Click();
        } else if (kind < 4) {
            // Anywhere, with any button: background, preview caption, fixed pieces.
            const int button = uniform(0, 2) == 0 ? kRightButton : kLeftButton;
            f.Down(uniform(-5, 525), uniform(-5, 405), button);
            previewDrags += p.PreviewDragging ? 1 : 0;
            f.Move(uniform(-50, 600), uniform(-50, 450), button);
            f.Up(uniform(0, 520), uniform(0, 400), uniform(0, 3) == 0 ? kRightButton : kLeftButton);
            if (p.Dragging || p.PreviewDragging) {
                ASSERT_EQ(button, kLeftButton) << "step " << step;
                f.Up(uniform(0, 520), uniform(0, 400));
            }
        } else {
            // Grab a loose piece at its cell's middle and take it near a neighbour or home.
            const Integer group = p.GroupOrder[uniform(1, p.GroupOrderCount)];
            const Integer piece = p.Groups[group].Members[uniform(1, p.Groups[group].MemberCount)];
            f.Down(p.Pieces[piece].X + p.TabWidth + p.CellWidth / 2,
                   p.Pieces[piece].Y + p.TabHeight + p.CellHeight / 2);
            if (!p.Dragging) {
                continue;
            }
            const PieceRecord& held = p.Pieces[p.SelectedPiece];
            Long tx = uniform(0, 460), ty = uniform(0, 330);
            const int target = uniform(0, 9);
            if (target < 8) {
                const int offsets[4] = {-p.PuzzleColumns, p.PuzzleColumns, -1, 1};
                const int n = p.SelectedPiece + offsets[uniform(0, 3)];
                if (n >= 1 && n <= p.NumberOfPieces) {
                    tx =
                        p.Pieces[n].X + (held.Col - p.Pieces[n].Col) * p.CellWidth + uniform(-6, 6);
                    ty = p.Pieces[n].Y + (held.Row - p.Pieces[n].Row) * p.CellHeight +
                         uniform(-6, 6);
                }
            } else if (target == 8) {
                tx = held.HomeX + uniform(-6, 6);
                ty = held.HomeY + uniform(-6, 6);
            }
            f.Move(tx + hw + uniform(0, 1) * 0.5, ty + hh);
            const int groupsBefore = p.GroupOrderCount, placedBefore = p.PlacedCount;
            f.Up(tx + hw, ty + hh);
            placings += p.PlacedCount > placedBefore ? 1 : 0;
            joins += groupsBefore - p.GroupOrderCount - (p.PlacedCount > placedBefore ? 1 : 0);
        }
        ASSERT_EQ(p.Dragging, kFalse) << "step " << step;
        const QStringList problems = CheckModelInvariants(p) + CheckGroupLayout(p);
        ASSERT_TRUE(problems.isEmpty())
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
