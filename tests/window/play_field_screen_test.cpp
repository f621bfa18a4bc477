// What the X server shows of the play field after a long drag, which hands it only the changed
// parts of each frame, against the same field painted whole.
#include "display/test_pictures.h"
#include "support/window_test_support.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(UnderX11, ALongDragLeavesTheScreenAsAWholeRepaintWould) {
    test::WindowFixture f;
    MainWindow& w = f.window;
    w.resize(900, 700);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Game& game = w.game();
    game.puzzle.NumberOfPieces = 324;
    SetPictureFileName(game.puzzle, test::WritePatternPicture(f.folder.path(), "p.bmp", 960, 640));
    ASSERT_TRUE(game.SetWholeImage());
    game.mnuFileScramble_Click();
    PlayField* field = w.picPuzzle;
    auto screen = [&] {
        QApplication::processEvents();
        const QRect at(field->mapTo(&w, QPoint(0, 0)), field->size());
        return w.screen()->grabWindow(w.winId(), at.x(), at.y(), at.width(), at.height()).toImage();
    };
    auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button) {
        QMouseEvent event(type, at, field->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(field, &event);
    };
    const QImage before = screen();
    // The topmost piece along a long path, and the preview after it.
    const Puzzle& p = game.puzzle;
    const PieceRecord& top = p.Pieces[p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1]];
    const QPointF grabs[] = {
        {top.X + p.TabWidth + p.CellWidth / 2.0, top.Y + p.TabHeight + p.CellHeight / 2.0},
        {p.PreviewCaptionRect.Left + 20.0, p.PreviewCaptionRect.Top + 8.0}};
    for (const QPointF& grab : grabs) {
        send(QEvent::MouseButtonPress, grab, Qt::LeftButton);
        for (int i = 0; i < 300; ++i) {
            send(QEvent::MouseMove,
                 QPointF(450 + 300 * std::cos(i * 0.05), 330 + 200 * std::sin(i * 0.07)),
                 Qt::NoButton);
        }
        send(QEvent::MouseButtonRelease, QPointF(450, 330), Qt::LeftButton);
    }
    const QImage dragged = screen();
    field->repaint();
    const QImage whole = screen();
    EXPECT_NE(dragged, before) << "the drag showed";
    EXPECT_EQ(dragged, whole) << "no stale pixels";
}

} // namespace
} // namespace tess
