// The real window on an X display, first without a window manager, then with openbox: the
// client area it starts with, its minimum with the frame from the start, where a message
// about a state file given on the command line opens, and openbox closing it; and what the X
// server shows of the play field after a long drag. Run under xvfb-run (see CMakeLists.txt).
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "support/window_test_support.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace tess {
namespace {

void StartsSmallKeepsItsMinimumAndCentresItsMessage(bool managed) {
    QTemporaryDir folder;
    const QString bad = folder.path() + "/bad.psf";
    ASSERT_EQ(WriteFileSafely(bad, "not a saved game"), "");

    std::optional<test::WindowFixture> f;
    QRect box;
    test::AnswerModals(
        [&](QWidget* modal) {
            if (qobject_cast<QMessageBox*>(modal) != nullptr && box.isNull()) {
                box = modal->frameGeometry();
            }
            modal->close();
        },
        [&] { f.emplace(QString(), bad); });
    ASSERT_FALSE(box.isNull()) << "the message about the state file";
    MainWindow& w = f->window;
    // Where the window manager puts the window, which may take a while on a busy machine.
    QTest::qWait(300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry().contains(box.center()); }))
        << "the message opens over the window";
    // The client area starts at 460 x 304, or larger where the frame and the menu bar leave
    // less than the whole window's minimum of 468 x 350.
    const QSize around = w.frameGeometry().size() - w.centralWidget()->size();
    const QSize start = (QSize(468, 350) - around).expandedTo(QSize(460, 304));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.centralWidget()->size() == start; }))
        << w.centralWidget()->width() << " x " << w.centralWidget()->height();

    // Resized by the window system, as a player would: the whole window stops at the minimum.
    w.windowHandle()->resize(900, 700);
    QTest::qWait(300);
    w.windowHandle()->resize(100, 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry().size() == QSize(468, 350); }))
        << w.frameGeometry().width() << " x " << w.frameGeometry().height();
    if (managed) {
        // Alt+F4 through the X server's keyboard: openbox asks the window to close
        // (WM_DELETE_WINDOW), and the game is unloaded as at Exit.
        QProcess::execute("xdotool",
                          {"windowfocus", "--sync", QString::number(w.winId()), "key", "alt+F4"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); })) << "closed by openbox";
        EXPECT_TRUE(w.game().surfaces.BackBuffer.IsNull()) << "the game unloaded";
    }
}

TEST(UnderX11, WithoutAWindowManagerAndWithOpenbox) {
    StartsSmallKeepsItsMinimumAndCentresItsMessage(false);
    QProcess openbox;
    openbox.start("openbox", {});
    if (!openbox.waitForStarted(5000)) {
        GTEST_SKIP() << "openbox is not installed";
    }
    QTest::qWait(1000); // until it manages the screen
    StartsSmallKeepsItsMinimumAndCentresItsMessage(true);
    openbox.terminate();
    openbox.waitForFinished(5000);
}

// A long drag hands the X server only the changed parts of each frame: it shows what the same
// field painted whole shows.
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
