// The main window: its menu tree and command states, its layout, the Preview check mark,
// the dialogs its menus open.
#include "shell/window_test_support.h"
#include "support/qt_printers.h"

#include <QDialog>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace tess {
namespace {

// The captions of a menu, "-" for a separator, " (off)" after a disabled item.
QStringList Describe(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + (action->isEnabled() ? "" : " (off)"));
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    }
    return items;
}

TEST(MainWindow, HasTheMenuTreeAndSwitchesExactlyThreeCommands) {
    test::WindowFixture f;
    MainWindow& w = f.window;
    EXPECT_EQ(w.windowTitle(), "Tessellara");
    QStringList titles;
    for (QAction* action : w.menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "View", "&Help"}));
    const QStringList file{"&Open...",
                           "Close (off)",
                           "-",
                           "Load Puzzle State",
                           "Save Puzzle State (off)",
                           "-",
                           "Scramble",
                           "Hint",
                           "Solve",
                           "-",
                           "Options...",
                           "-",
                           "E&xit"};
    EXPECT_EQ(Describe(w.mnuFile), file);
    EXPECT_EQ(Describe(w.mnuView), (QStringList{"Preview", "-", "Best Times..."}));
    EXPECT_EQ(Describe(w.mnuHelp), (QStringList{"About..."}));
    EXPECT_EQ(w.ToolbarButton1->toolTip(), "Open");
    EXPECT_EQ(w.ToolbarButton2->toolTip(), "Save Puzzle State");
    EXPECT_TRUE(w.ToolbarButton1->isEnabled());
    EXPECT_FALSE(w.ToolbarButton2->isEnabled());
    EXPECT_EQ(w.tmrPuzzle->interval(), 1000);
    EXPECT_FALSE(w.tmrPuzzle->isActive());

    w.game().EnableCommands();
    EXPECT_FALSE(Describe(w.mnuFile).join(',').contains("(off)"));
    EXPECT_TRUE(w.ToolbarButton2->isEnabled());
    EXPECT_EQ(Describe(w.mnuView), (QStringList{"Preview", "-", "Best Times..."}));
    w.mnuFileClose->trigger();
    EXPECT_EQ(Describe(w.mnuFile), file);
    EXPECT_FALSE(w.ToolbarButton2->isEnabled());
}

TEST(MainWindow, LaysOutTheRuleAndPlayFieldAndKeepsItsMinimumSize) {
    test::WindowFixture f;
    MainWindow& w = f.window;
    w.resize(900, 700);
    QApplication::processEvents();
    const QWidget* client = w.centralWidget();
    EXPECT_EQ(w.picPuzzle->geometry(), QRect(0, 28, client->width(), client->height() - 28));
    EXPECT_EQ(w.Line1->width(), client->width());
    EXPECT_EQ(w.Line2->y(), w.Line1->y() + 1);
    EXPECT_EQ(w.game().puzzle.PreviousScaleWidth, w.picPuzzle->width());
    EXPECT_EQ(w.game().surfaces.BackBuffer.GetSurfaceDesc().Height, w.picPuzzle->height());

    w.resize(100, 100);
    QApplication::processEvents();
    EXPECT_GE(w.frameGeometry().width(), 468);
    EXPECT_GE(w.frameGeometry().height(), 350);
}

TEST(MainWindow, PreviewTogglesStoresAndShowsTheSettingAsItsCheckMark) {
    test::WindowFixture f;
    MainWindow& w = f.window;
    for (const bool shown : {false, true}) {
        w.mnuViewPreview->trigger();
        EXPECT_EQ(w.game().settings.ViewPreview, shown);
        EXPECT_EQ(f.store.Read("View Preview", ""), shown ? "True" : "False");
        w.mnuView_Click();
        EXPECT_EQ(w.mnuViewPreview->isChecked(), shown);
    }
}

TEST(MenuDialogs, OpenModallyOwnedByTheWindow) {
    test::WindowFixture f;
    MainWindow& window = f.window;
    struct Case {
        QAction* action;
        QString seen;
    };
    for (const Case& c : {Case{window.mnuFileOptions, "frmOptions|Options"},
                          Case{window.mnuHelpAbout, "frmAbout|About Tessellara"},
                          Case{window.mnuViewBestTimes, "frmBestTimes|Tessellara - Best Times"}}) {
        QStringList seen;
        test::AnswerModals(
            [&](QWidget* modal) {
                seen << modal->objectName() + "|" + modal->windowTitle();
                EXPECT_EQ(modal->parentWidget(), &window);
                qobject_cast<QDialog*>(modal)->reject();
            },
            [&] { c.action->trigger(); });
        EXPECT_EQ(seen, QStringList{c.seen});
    }
    EXPECT_EQ(window.game().puzzle.NumberOfPieces, 64) << "Cancel left the settings alone";
}

} // namespace
} // namespace tess
