// Playing: scramble, picking, dragging, dropping, placing, hint, solve.
// Hooks until the play work lands: each does nothing yet.
#include "shell/game.h"

namespace tess {

void Game::ClearSettings() {}
void Game::mnuFileScramble_Click() {}
void Game::mnuFileHint_Click() {}
void Game::mnuFileSolve_Click() {}
void Game::SetGroupInPlace(Integer) {}
void Game::AlignGroup(Integer) {}
void Game::AlignAllGroups() {}
void Game::picPuzzle_MouseDown(int, int, Single, Single) {}
void Game::picPuzzle_MouseMove(int, int, Single, Single) {}
void Game::picPuzzle_MouseUp(int, int, Single, Single) {}

} // namespace tess
