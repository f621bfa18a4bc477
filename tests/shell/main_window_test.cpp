#include "shell/main_window.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tess {
namespace {

struct WindowFixture {
    QTemporaryDir folder;
    SettingsStore store{folder.path() + QStringLiteral("/settings.ini")};
    MersenneRandom random{7u};
    std::unique_ptr<MainWindow> window;

    WindowFixture() {
        ProcessFacts facts;
        facts.ProgramFolder = folder.path();
        facts.AppDir = folder.path();
        window = std::make_unique<MainWindow>(store, random, facts);
        window->Start();
    }
};

QStringList Describe(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + (action->isEnabled() ? "" : " (off)"));
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    }
    return items;
}

TEST(MainWindow, HasTheMenuTreeWithItsInitialStates) {
    WindowFixture f;
    MainWindow& w = *f.window;
    EXPECT_EQ(w.windowTitle(), "Tessellara");
    QStringList titles;
    for (QAction* action : w.menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "View", "&Help"}));
    EXPECT_EQ(Describe(w.mnuFile), (QStringList{"&Open...", "Close (off)", "-", "Load Puzzle State",
                                                "Save Puzzle State (off)", "-", "Scramble", "Hint",
                                                "Solve", "-", "Options...", "-", "E&xit"}));
    EXPECT_EQ(Describe(w.mnuView), (QStringList{"Preview", "-", "Best Times..."}));
    EXPECT_EQ(Describe(w.mnuHelp), (QStringList{"About..."}));
    EXPECT_EQ(w.ToolbarButton1->toolTip(), "Open");
    EXPECT_EQ(w.ToolbarButton2->toolTip(), "Save Puzzle State");
    EXPECT_TRUE(w.ToolbarButton1->isEnabled());
    EXPECT_FALSE(w.ToolbarButton2->isEnabled());
    EXPECT_EQ(w.tmrPuzzle->interval(), 1000);
    EXPECT_FALSE(w.tmrPuzzle->isActive());
}

TEST(MainWindow, EnableCommandsAndCloseSwitchExactlyThreeCommands) {
    WindowFixture f;
    MainWindow& w = *f.window;
    auto states = [&w] {
        QList<bool> s;
        for (QMenu* menu : {w.mnuFile, w.mnuView, w.mnuHelp}) {
            for (QAction* action : menu->actions()) {
                s << action->isEnabled();
            }
        }
        s << w.ToolbarButton1->isEnabled() << w.ToolbarButton2->isEnabled();
        return s;
    };
    const QList<bool> before = states();
    w.game().EnableCommands();
    EXPECT_TRUE(w.mnuFileClose->isEnabled());
    EXPECT_TRUE(w.mnuFileSavePuzzleState->isEnabled());
    EXPECT_TRUE(w.ToolbarButton2->isEnabled());
    QList<bool> after = states();
    int changed = 0;
    for (int i = 0; i < before.size(); ++i) {
        changed += before[i] != after[i] ? 1 : 0;
    }
    EXPECT_EQ(changed, 3);
    w.mnuFileClose->trigger();
    EXPECT_EQ(states(), before);
}

TEST(MainWindow, LaysOutTheRuleAndPlayFieldAndKeepsItsMinimumSize) {
    WindowFixture f;
    MainWindow& w = *f.window;
    w.resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(w.picPuzzle->y(), 28);
    EXPECT_EQ(w.picPuzzle->width(), w.centralWidget()->width());
    EXPECT_EQ(w.picPuzzle->y() + w.picPuzzle->height(), w.centralWidget()->height());
    EXPECT_EQ(w.Line1->width(), w.centralWidget()->width());
    EXPECT_EQ(w.Line2->y(), w.Line1->y() + 1);
    EXPECT_EQ(w.game().puzzle.PreviousScaleWidth, w.picPuzzle->width());
    EXPECT_EQ(w.game().surfaces.BackBuffer.GetSurfaceDesc().Height, w.picPuzzle->height());

    w.resize(100, 100);
    QApplication::processEvents();
    const QSize frame = w.frameGeometry().size();
    EXPECT_GE(frame.width(), 468);
    EXPECT_GE(frame.height(), 350);
}

TEST(MainWindow, ViewMenuShowsTheSettingAsItsCheckMark) {
    WindowFixture f;
    MainWindow& w = *f.window;
    w.mnuViewPreview->trigger();
    ASSERT_FALSE(w.game().settings.ViewPreview);
    w.mnuView_Click();
    EXPECT_FALSE(w.mnuViewPreview->isChecked());
    w.mnuViewPreview->trigger();
    w.mnuView_Click();
    EXPECT_TRUE(w.mnuViewPreview->isChecked());
}

} // namespace
} // namespace tess
