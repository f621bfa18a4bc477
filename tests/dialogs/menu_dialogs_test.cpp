#include "dialogs/about_dialog.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/options_dialog.h"
#include "shell/main_window.h"
#include "support/qt_printers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(MenuDialogs, OptionsAndAboutOpenModallyOwnedByTheWindow) {
    QTemporaryDir folder;
    SettingsStore store(folder.path() + QStringLiteral("/settings.ini"));
    MersenneRandom random(3u);
    ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    MainWindow window(store, random, facts);
    window.Start();

    struct Case {
        QAction* action;
        const char* objectName;
        const char* title;
    };
    for (const Case& c : {Case{window.mnuFileOptions, "frmOptions", "Options"},
                          Case{window.mnuHelpAbout, "frmAbout", "About Tessellara"}}) {
        QString seen;
        test::WithNextModal(
            [&](QWidget* modal) {
                seen = modal->objectName() + "|" + modal->windowTitle();
                EXPECT_EQ(modal->parentWidget(), &window);
                EXPECT_TRUE(modal->isModal());
                qobject_cast<QDialog*>(modal)->reject();
            },
            [&] { c.action->trigger(); });
        EXPECT_EQ(seen, QString::fromLatin1(c.objectName) + "|" + c.title);
    }
    // Cancel left the settings alone.
    EXPECT_EQ(window.game().puzzle.NumberOfPieces, 64);
}

} // namespace
} // namespace tess
