// A whole game on the real main window: every placing with real mouse events, the model
// checked after each.
#include "puzzle/invariants.h"
#include "support/window_test_support.h"
#include "test_pictures.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(PlayThrough, APictureIsPlacedWithTheMouse) {
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

    // The topmost loose piece, grabbed at its cell's middle, home 4 pixels off on each axis
    // either way, moving halfway first, until none is left; the model must hold after every
    // drop.
    const Long sw = 2 * p.TabWidth + p.CellWidth, sh = 2 * p.TabHeight + p.CellHeight;
    const QString shot = qEnvironmentVariable("TESSELLARA_PLAY_SCREENSHOT");
    for (int side = 1; p.GroupOrderCount > 0; side = -side) {
        const PieceRecord& m = p.Pieces[p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1]];
        const QPoint grab(m.X + sw / 2, m.Y + sh / 2);
        const QPoint drop(m.HomeX + 4 * side + sw / 2, m.HomeY - 4 * side + sh / 2);
        QTest::mousePress(field, Qt::LeftButton, {}, grab);
        ASSERT_EQ(&p.Pieces[p.SelectedPiece], &m);
        EXPECT_EQ(field->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(field, (grab + drop) / 2);
        QTest::mouseMove(field, drop);
        QTest::mouseRelease(field, Qt::LeftButton, {}, drop);
        EXPECT_NE(field->cursor().shape(), Qt::SizeAllCursor);
        const QStringList problems = CheckModelInvariants(p);
        ASSERT_TRUE(problems.isEmpty() && !p.Dragging) << problems.join('\n').toStdString();
        if (p.PlacedCount == 6 && !shot.isEmpty()) {
            // A game in progress, for the documentation.
            window.grab().save(shot);
        }
    }
    EXPECT_TRUE(p.PlacedCount == 12 && p.PuzzleSolved && !window.tmrPuzzle->isActive());
}

} // namespace
} // namespace tess
