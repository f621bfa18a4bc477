// The best-times dialog: the twenty positions of the table and Clear All.
#include "dialogs/best_times_dialog.h"
#include "shell/window_test_support.h"
#include "support/recording_host.h"

#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

QStringList Row(const QTreeWidget* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column) {
        texts << (row < 0 ? list->headerItem() : list->topLevelItem(row))->text(column);
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

TEST(BestTimesDialog, ListsAllTwentyPositionsAndOkWritesNothing) {
    GameFixture f;
    FillTwo(f.game->bestTimes);
    BestTimesDialog dialog(*f.game, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Tessellara - Best Times");
    EXPECT_EQ(dialog.cmdClearAll->text(), "Clear All");
    EXPECT_EQ(dialog.OKButton->text(), "OK");
    const QTreeWidget* list = dialog.lstViewBestTimes;
    EXPECT_EQ(Row(list, -1), (QStringList{"Name", "Elapsed Time", "Pieces", "Image Name"}));
    ASSERT_EQ(list->topLevelItemCount(), 20);
    EXPECT_EQ(Row(list, 0), (QStringList{"Ann", "1:2:5", "64", "cat.bmp"}));
    EXPECT_EQ(Row(list, 1), (QStringList{"Bob", "0:3:7", "12", "dog.jpg"}));
    EXPECT_EQ(Row(list, 19), (QStringList{"", "0:0:0", "0", ""}));

    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(FileBytes(f), "(no file)");
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

        QString asked;
        test::AnswerModals(
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                asked = box->windowTitle() + "|" + box->text();
                EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            },
            [&] { QTest::mouseClick(dialog.cmdClearAll, Qt::LeftButton); });

        EXPECT_EQ(asked, "Tessellara|Are you sure you want to clear all of the entries?");
        EXPECT_EQ(game.bestTimes, yes ? BestTimes{} : table);
        EXPECT_EQ(FileBytes(f), BestTimesToBytes(game.bestTimes));
        EXPECT_EQ(Row(dialog.lstViewBestTimes, 2),
                  yes ? (QStringList{"", "0:0:0", "0", ""})
                      : (QStringList{"Cy", "0:3:20", "12", "fox.gif"}));
        EXPECT_TRUE(dialog.isVisible());
    }
}

} // namespace
} // namespace tess
