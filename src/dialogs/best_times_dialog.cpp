// The best-times dialog: lists the table, clears it on request and rewrites the file.
#include "dialogs/best_times_dialog.h"

#include "game/game.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QVBoxLayout>

namespace tess {

BestTimesDialog::BestTimesDialog(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("frmBestTimes"));
    setWindowTitle(tr("Tessellara - Best Times"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    lstViewBestTimes = new QTreeWidget(this);
    lstViewBestTimes->setObjectName(QStringLiteral("lstViewBestTimes"));
    lstViewBestTimes->setHeaderLabels(
        {tr("Name"), tr("Elapsed Time"), tr("Pieces"), tr("Image Name")});
    lstViewBestTimes->setRootIsDecorated(false);
    lstViewBestTimes->setUniformRowHeights(true);
    lstViewBestTimes->setAllColumnsShowFocus(true);
    lstViewBestTimes->header()->setSectionsMovable(false);
    lstViewBestTimes->setColumnWidth(0, 140);
    lstViewBestTimes->setColumnWidth(1, 90);
    lstViewBestTimes->setColumnWidth(2, 60);

    cmdClearAll = new QPushButton(tr("Clear All"), this);
    cmdClearAll->setObjectName(QStringLiteral("cmdClearAll"));
    cmdClearAll->setAutoDefault(false);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(cmdClearAll, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { cmdClearAll_Click(); }); });
    connect(OKButton, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { OKButton_Click(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClearAll);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstViewBestTimes);
    layout->addLayout(buttons);
    FillList();
    // Tall enough for all 20 rows without scrolling.
    lstViewBestTimes->setMinimumHeight(lstViewBestTimes->header()->sizeHint().height() +
                                       kBestTimesCount * lstViewBestTimes->sizeHintForRow(0) +
                                       2 * lstViewBestTimes->frameWidth());
    resize(480, sizeHint().height());
}

void BestTimesDialog::FillList() {
    lstViewBestTimes->clear();
    for (const BestTimeRecord& entry : game_.bestTimes) {
        auto* row = new QTreeWidgetItem(lstViewBestTimes);
        row->setText(0, entry.PlayerName);
        row->setText(1, ElapsedTimeText(entry));
        row->setText(2, QString::number(entry.PieceCount));
        // The file keeps the name field's trailing padding; the list shows the name alone.
        QString imageName = entry.ImageName;
        while (imageName.endsWith(QLatin1Char(' '))) {
            imageName.chop(1);
        }
        row->setText(3, imageName);
    }
}

void BestTimesDialog::cmdClearAll_Click() {
    QMessageBox box(QMessageBox::NoIcon, game_.facts().Title,
                    tr("Are you sure you want to clear all of the entries?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes) {
        game_.ClearAllBestTimes();
    }
    game_.SaveBestTimes();
    FillList();
}

void BestTimesDialog::OKButton_Click() { accept(); }

} // namespace tess
