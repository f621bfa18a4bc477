// The best-times dialog frmBestTimes: the 20 entries, "Clear All" and "OK".
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>

namespace tess {

class Game;

class BestTimesDialog : public QDialog {
    Q_OBJECT
public:
    BestTimesDialog(Game& game, QWidget* parent);

    QTreeWidget* lstViewBestTimes = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* OKButton = nullptr;

    void cmdClearAll_Click();
    void OKButton_Click();

private:
    void FillList();

    Game& game_;
};

} // namespace tess
