// A whole game on the real main window: every join and placing with real mouse events, the
// model checked after each.
#include "display/picking.h"
#include "puzzle/invariants.h"
#include "support/window_test_support.h"
#include "test_pictures.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(PlayThrough, APictureIsJoinedAndPlacedWithTheMouse) {
    test::WindowFixture w;
    MainWindow& window = w.window;
    window.resize(1000, 760);
    QApplication::processEvents();
    Game& game = window.game();
    Puzzle& p = game.puzzle;
    PlayField* field = window.picPuzzle;
    // 12 pieces of 4 x 3, untimed, so that no name is asked for at the end.
    game.settings.TimePuzzle = false;
    p.NumberOfPieces = 12;
    SetPictureFileName(p, test::WritePatternPicture(w.folder.path(), "sea.bmp", 480, 360));
    ASSERT_TRUE(game.SetWholeImage());
    game.mnuFileScramble_Click();
    ASSERT_EQ(p.GroupOrderCount, 12);

    // Grabs piece m at its cell's middle and drops it with its surface at (x, y), on the way
    // moving halfway first; the model must hold after every drop.
    const Long sw = 2 * p.TabWidth + p.CellWidth, sh = 2 * p.TabHeight + p.CellHeight;
    auto drag = [&p, field, sw, sh](Integer m, Long x, Long y) {
        const QPoint grab(p.Pieces[m].X + sw / 2, p.Pieces[m].Y + sh / 2);
        const QPoint drop(x + sw / 2, y + sh / 2);
        ASSERT_EQ(FindPieceAt(p, grab.x(), grab.y()), m);
        QTest::mousePress(field, Qt::LeftButton, {}, grab);
        ASSERT_EQ(p.SelectedPiece, m);
        EXPECT_EQ(field->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(field, (grab + drop) / 2);
        QTest::mouseMove(field, drop);
        QTest::mouseRelease(field, Qt::LeftButton, {}, drop);
        EXPECT_NE(field->cursor().shape(), Qt::SizeAllCursor);
        const QStringList problems = CheckModelInvariants(p);
        ASSERT_TRUE(problems.isEmpty() && !p.Dragging) << problems.join('\n').toStdString();
    };
    // Joins two groups: the first piece not covered by another, dropped 2 right of and 3
    // above its fit to a neighbour of another group, where its whole group stays in the field.
    const QRect inside(QPoint(1, 1), field->ScaleSize() - QSize(2, 2));
    auto joinOne = [&]() {
        for (Integer m = 1; m <= 12; ++m) {
            const PieceRecord& a = p.Pieces[m];
            const GroupRecord& g = p.Groups[a.Group];
            for (const int n : {m - 4, m + 4, a.Col > 0 ? m - 1 : 0, a.Col < 3 ? m + 1 : 0}) {
                if (n < 1 || n > 12 || p.Pieces[n].Group == a.Group ||
                    FindPieceAt(p, a.X + sw / 2, a.Y + sh / 2) != m) {
                    continue;
                }
                const Long dx = p.Pieces[n].X + (a.Col - p.Pieces[n].Col) * p.CellWidth + 2 - a.X;
                const Long dy = p.Pieces[n].Y + (a.Row - p.Pieces[n].Row) * p.CellHeight - 3 - a.Y;
                if (std::all_of(&g.Members[1], &g.Members[1] + g.MemberCount, [&](Integer k) {
                        return inside.contains(
                            QRect(p.Pieces[k].X + dx, p.Pieces[k].Y + dy, sw, sh));
                    })) {
                    drag(m, a.X + dx, a.Y + dy);
                    return true;
                }
            }
        }
        return false;
    };
    const QString shot = qEnvironmentVariable("TESSELLARA_PLAY_SCREENSHOT");
    while (p.GroupOrderCount > 2) {
        const int before = p.GroupOrderCount;
        ASSERT_TRUE(joinOne() && !HasFatalFailure() && p.GroupOrderCount < before);
        if (p.GroupOrderCount == 6 && !shot.isEmpty()) {
            // A game in progress with joined groups, for the documentation.
            window.grab().save(shot);
        }
    }
    // Then both groups home, 4 pixels off on each axis.
    for (const int side : {1, -1}) {
        const Integer m = p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1];
        drag(m, p.Pieces[m].HomeX + 4 * side, p.Pieces[m].HomeY - 4 * side);
        ASSERT_FALSE(HasFatalFailure());
    }
    EXPECT_TRUE(p.PlacedCount == 12 && p.PuzzleSolved && !window.tmrPuzzle->isActive());
}

} // namespace
} // namespace tess
