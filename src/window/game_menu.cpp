// The Game menu: what the game offers beyond the classic one, between View and Help. Its
// items are commands the player chooses or toggles that start off, so a player who never
// opens it plays the classic game.
#include "window/main_window.h"

#include <QMenuBar>

namespace tess {

void MainWindow::BuildGameMenu() {
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    auto item = [this](const char* name, const QString& caption, const QKeySequence& keys,
                       std::function<void()> handling) {
        QAction* action = mnuGame->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, Guarded(std::move(handling)));
        return action;
    };

    mnuGameUndo = item("mnuGameUndo", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                       [this] { history_.Undo(); });
    mnuGameRedo = item("mnuGameRedo", QStringLiteral("Redo"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { history_.Redo(); });
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameHyphen1"));
    mnuGameContinueLastGame =
        item("mnuGameContinueLastGame", QStringLiteral("Continue Last Game"),
             QKeySequence(Qt::CTRL | Qt::Key_L), [this] { history_.ContinueLastGame(); });
    mnuGameKeptGames = mnuGame->addMenu(QStringLiteral("Kept Games"));
    mnuGameKeptGames->setObjectName(QStringLiteral("mnuGameKeptGames"));
    connect(mnuGameKeptGames, &QMenu::aboutToShow, this,
            Guarded([this] { mnuGameKeptGames_AboutToShow(); }));

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

} // namespace tess
