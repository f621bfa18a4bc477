// The Game menu: what the game offers beyond the classic one, between View and Help. Its
// items are commands the player chooses or toggles that start off, so a player who never
// opens it plays the classic game.
#include "window/main_window.h"

#include <QMenuBar>

namespace tess {

void MainWindow::BuildGameMenu() {
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
}

} // namespace tess
