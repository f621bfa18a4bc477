// The Game menu: what the game offers beyond the classic one, between View and Help. Its
// items are commands the player chooses or toggles that start off, so a player who never
// opens it plays the classic game.
#include "window/main_window.h"

#include <QMenuBar>

namespace tess {

void MainWindow::BuildGameMenu() {
    mnuGame = menuBar()->addMenu(tr("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    auto item = [this](const char* name, const QString& caption, const QKeySequence& keys,
                       std::function<void()> handling) {
        QAction* action = mnuGame->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, Guarded(std::move(handling)));
        return action;
    };

    mnuGameUndo = item("mnuGameUndo", tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                       [this] { history_.Undo(); });
    mnuGameRedo = item("mnuGameRedo", tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                       [this] { history_.Redo(); });
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameHyphen1"));
    mnuGameContinueLastGame =
        item("mnuGameContinueLastGame", tr("Continue Last Game"),
             QKeySequence(Qt::CTRL | Qt::Key_L), [this] { history_.ContinueLastGame(); });
    mnuGameKeptGames = mnuGame->addMenu(tr("Kept Games"));
    mnuGameKeptGames->setObjectName(QStringLiteral("mnuGameKeptGames"));
    connect(mnuGameKeptGames, &QMenu::aboutToShow, this,
            Guarded([this] { mnuGameKeptGames_AboutToShow(); }));
    AddHelpForBigGames();

    history_.onStepsChanged = [this] { ShowSteps(); };
    history_.onKeptGamesChanged = [this] { ShowKeptGames(); };
    // Other running copies keep and free games too: look again whenever the menu opens.
    connect(mnuGame, &QMenu::aboutToShow, this, Guarded([this] { ShowKeptGames(); }));
    ShowSteps();
    ShowKeptGames();
}

void MainWindow::ShowSteps() {
    const UndoStack& steps = history_.Steps();
    mnuGameUndo->setText(steps.UndoCaption());
    mnuGameUndo->setEnabled(steps.CanUndo());
    mnuGameRedo->setText(steps.RedoCaption());
    mnuGameRedo->setEnabled(steps.CanRedo());
}

void MainWindow::ShowKeptGames() {
    const bool any = !history_.KeptGames().empty();
    mnuGameContinueLastGame->setEnabled(any);
    mnuGameKeptGames->setEnabled(any);
}

void MainWindow::mnuGameKeptGames_AboutToShow() {
    mnuGameKeptGames->clear();
    for (const KeptGame& kept : history_.KeptGames()) {
        QString caption = KeptGameCaption(kept);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        connect(mnuGameKeptGames->addAction(caption), &QAction::triggered, this,
                Guarded([this, path = kept.Path] { history_.LoadKeptGame(path); }));
    }
}

// Arrange Pieces, Gather Edge Pieces and the three toggles of big games.
void MainWindow::AddHelpForBigGames() {
    auto item = [this](const char* name, const QString& caption) {
        QAction* action = mnuGame->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto toggle = [&](const char* name, const QString& caption, bool on,
                      void (Assist::*set)(bool)) {
        QAction* action = item(name, caption);
        action->setCheckable(true);
        action->setChecked(on);
        connect(action, &QAction::triggered, this, Guarded([this, action, set] {
                    (assist_.*set)(action->isChecked());
                    ShowProgressText();
                }));
        return action;
    };
    mnuGame->addSeparator();
    mnuGameArrangePieces = item("mnuGameArrangePieces", tr("Arrange Pieces"));
    mnuGameArrangePieces->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    connect(mnuGameArrangePieces, &QAction::triggered, this,
            Guarded([this] { assist_.ArrangePieces(); }));
    mnuGameGatherEdgePieces = item("mnuGameGatherEdgePieces", tr("Gather Edge Pieces"));
    mnuGameGatherEdgePieces->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    connect(mnuGameGatherEdgePieces, &QAction::triggered, this,
            Guarded([this] { assist_.GatherEdgePieces(); }));
    mnuGame->addSeparator();
    mnuGameShowProgress = toggle("mnuGameShowProgress", tr("Show Progress"), assist_.ShowProgress(),
                                 &Assist::SetShowProgress);
    mnuGamePreviewAbovePieces =
        toggle("mnuGamePreviewAbovePieces", tr("Preview Above Pieces"),
               assist_.PreviewAbovePieces(), &Assist::SetPreviewAbovePieces);
    mnuGameFaintPicture = toggle("mnuGameFaintPicture", tr("Faint Picture on Board"),
                                 assist_.FaintPicture(), &Assist::SetFaintPicture);
}

// The label lies at the right end of the toolbar row in the toolbar's font; while Show
// Progress is off, it and the space before it are hidden and the toolbar is as it was.
void MainWindow::BuildProgressText() {
    auto* spacer = new QWidget(Toolbar1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    progressSpacer_ = Toolbar1->addWidget(spacer);
    lblProgress = new QLabel(Toolbar1);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    lblProgress->setContentsMargins(0, 0, 4, 0);
    progressAction_ = Toolbar1->addWidget(lblProgress);
    connect(tmrPuzzle, &QTimer::timeout, this, Guarded([this] { ShowProgressText(); }));
    ShowProgressText();
}

void MainWindow::ShowProgressText() {
    if (lblProgress == nullptr) {
        return;
    }
    const QString text = assist_.ProgressNow();
    const bool shown = assist_.ShowProgress() && !text.isEmpty();
    lblProgress->setText(text);
    progressSpacer_->setVisible(shown);
    progressAction_->setVisible(shown);
}

} // namespace tess
