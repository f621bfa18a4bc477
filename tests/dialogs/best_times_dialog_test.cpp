// The best-times dialog: the twenty positions of the table and Clear All.
#include "dialogs/best_times_dialog.h"
#include "support/recording_host.h"
#include "support/window_test_support.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

// The texts of a row of the list; row -1 is the header.
QString Row(const QTreeWidget* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column) {
        texts << (row < 0 ? list->headerItem() : list->topLevelItem(row))->text(column);
    }
    return texts.join('|');
}

TEST(BestTimesDialog, ListsTheTwentyPositionsAndClearAllAsksAndRewritesTheFile) {
    test::GameFixture f;
    BestTimes& table = f.game->bestTimes;
    // Image names keep the padding of the picture's name field, which the list leaves out.
    table[0] = MakeBestTimeRecord("Ann", 3725, 64, "cat.bmp" + QString(120, ' '));
    table[1] = MakeBestTimeRecord("Bob", 187, 12, "dog.jpg");
    BestTimesDialog dialog(*f.game, nullptr);
    dialog.show();
    const QTreeWidget* list = dialog.lstViewBestTimes;
    ASSERT_EQ(list->topLevelItemCount(), 20);
    EXPECT_EQ(QStringList({Row(list, -1), Row(list, 0), Row(list, 1), Row(list, 19)}),
              QStringList({"Name|Elapsed Time|Pieces|Image Name", "Ann|1:2:5|64|cat.bmp",
                           "Bob|0:3:7|12|dog.jpg", "|0:0:0|0|"}));

    table[2] = MakeBestTimeRecord("Cy", 200, 12, "fox.gif");
    f.game->SaveBestTimes(); // the file holds the table: Clear All must not read it back
    const QString file = f.ProgramFolder() + "/besttimes.txt";
    const QByteArray saved = test::ReadAll(file);
    QString asked;
    test::AnswerModals(
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            asked = box->windowTitle() + "|" + box->text();
            box->button(QMessageBox::Yes)->click();
        },
        [&] { QTest::mouseClick(dialog.cmdClearAll, Qt::LeftButton); });
    EXPECT_EQ(asked, "Tessellara|Are you sure you want to clear all of the entries?");
    EXPECT_EQ(table, BestTimes{});
    EXPECT_NE(test::ReadAll(file), saved) << "written again";
    EXPECT_EQ(Row(list, 0), "|0:0:0|0|") << "the list filled again";
}

} // namespace
} // namespace tess
