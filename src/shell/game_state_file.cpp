// Saving and loading unfinished games. Hooks until the state file lands: each does nothing yet.
#include "shell/game.h"

namespace tess {

void Game::mnuFileSavePuzzleState_Click() {}
void Game::mnuFileLoadPuzzleState_Click() {}
void Game::LoadPuzzleState() {}

} // namespace tess
