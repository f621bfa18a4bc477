// The best-times dialog driven through its buttons, and its opening from the View menu.
#include "dialogs/best_times_dialog.h"
#include "shell/main_window.h"
#include "support/recording_host.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

// Runs the action on the modal widget as soon as one is open (the next exec() of the test).
// A widget that never opens fails the test; whatever is open then is rejected.
void WhenModalOpens(std::function<void(QWidget*)> action, int triesLeft = 200) {
    QTimer::singleShot(10, [action = std::move(action), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
        } else if (triesLeft > 0) {
            WhenModalOpens(std::move(action), triesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal widget opened";
        }
    });
}

QStringList Row(const QTreeWidget* list, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int column = 0; column < list->columnCount(); ++column) {
        texts << (item ? item->text(column) : QStringLiteral("(no row)"));
    }
    return texts;
}

QByteArray FileBytes(const GameFixture& f) {
    QFile file(f.ProgramFolder() + "/besttimes.txt");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void FillTwo(BestTimes& table) {
    table[0] = MakeBestTimeRecord("Ann", 3725, 64, "cat.bmp");
    table[1] = MakeBestTimeRecord("Bob", 187, 12, "dog.jpg");
}

TEST(BestTimesDialog, ListsAllTwentyPositions) {
    GameFixture f;
    FillTwo(f.game->bestTimes);
    BestTimesDialog dialog(*f.game, nullptr);
    EXPECT_EQ(dialog.objectName(), "frmBestTimes");
    EXPECT_EQ(dialog.windowTitle(), "Tessellara - Best Times");
    EXPECT_EQ(dialog.cmdClearAll->text(), "Clear All");
    EXPECT_EQ(dialog.OKButton->text(), "OK");

    const QTreeWidget* list = dialog.lstViewBestTimes;
    EXPECT_EQ(list->objectName(), "lstViewBestTimes");
    QStringList headers;
    for (int column = 0; column < list->columnCount(); ++column) {
        headers << list->headerItem()->text(column);
    }
    EXPECT_EQ(headers, (QStringList{"Name", "Elapsed Time", "Pieces", "Image Name"}));
    EXPECT_EQ(list->topLevelItemCount(), 20);
    EXPECT_EQ(Row(list, 0), (QStringList{"Ann", "1:2:5", "64", "cat.bmp"}));
    EXPECT_EQ(Row(list, 1), (QStringList{"Bob", "0:3:7", "12", "dog.jpg"}));
    EXPECT_EQ(Row(list, 2), (QStringList{"", "0:0:0", "0", ""}));
    EXPECT_EQ(Row(list, 19), (QStringList{"", "0:0:0", "0", ""}));
}

TEST(BestTimesDialog, ClearAllAsksAndRewritesTheFileOnEitherAnswer) {
    for (const bool yes : {false, true}) {
        GameFixture f;
        Game& game = *f.game;
        FillTwo(game.bestTimes);
        BestTimesDialog dialog(game, nullptr);
        dialog.show();
        // A change the list does not show yet: the list is filled again after the question.
        game.bestTimes[2] = MakeBestTimeRecord("Cy", 200, 12, "fox.gif");
        const BestTimes table = game.bestTimes;

        QString text, title;
        QList<QMessageBox::StandardButton> buttons;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            for (QAbstractButton* button : box->buttons()) {
                buttons << box->standardButton(button);
            }
            QTest::mouseClick(box->button(yes ? QMessageBox::Yes : QMessageBox::No),
                              Qt::LeftButton);
        });
        QTest::mouseClick(dialog.cmdClearAll, Qt::LeftButton);

        EXPECT_EQ(text, "Are you sure you want to clear all of the entries?");
        EXPECT_EQ(title, "Tessellara");
        EXPECT_EQ(buttons.size(), 2);
        EXPECT_TRUE(buttons.contains(QMessageBox::Yes) && buttons.contains(QMessageBox::No));
        EXPECT_EQ(game.bestTimes, yes ? BestTimes{} : table);
        EXPECT_EQ(FileBytes(f), BestTimesToBytes(game.bestTimes));
        EXPECT_EQ(dialog.lstViewBestTimes->topLevelItemCount(), 20);
        EXPECT_EQ(Row(dialog.lstViewBestTimes, 2),
                  yes ? (QStringList{"", "0:0:0", "0", ""})
                      : (QStringList{"Cy", "0:3:20", "12", "fox.gif"}));
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST(BestTimesDialog, OkCloses) {
    GameFixture f;
    BestTimesDialog dialog(*f.game, nullptr);
    dialog.show();
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(FileBytes(f), "(no file)") << "OK writes nothing";
}

TEST(BestTimesDialog, OpensModallyFromTheViewMenu) {
    QTemporaryDir folder;
    SettingsStore store(folder.path() + "/settings.ini");
    MersenneRandom random(7u);
    ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    MainWindow window(store, random, facts);
    window.Start();
    FillTwo(window.game().bestTimes);

    QString name;
    bool ownedByWindow = false;
    bool modal = false;
    QStringList firstRow;
    WhenModalOpens([&](QWidget* widget) {
        name = widget->objectName();
        ownedByWindow = widget->parentWidget() == &window;
        modal = widget->isModal();
        if (auto* dialog = qobject_cast<BestTimesDialog*>(widget)) {
            firstRow = Row(dialog->lstViewBestTimes, 0);
            QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        } else {
            widget->close();
        }
    });
    window.mnuViewBestTimes->trigger();

    EXPECT_EQ(name, "frmBestTimes");
    EXPECT_TRUE(ownedByWindow);
    EXPECT_TRUE(modal);
    EXPECT_EQ(firstRow, (QStringList{"Ann", "1:2:5", "64", "cat.bmp"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace tess
