// Picture to puzzle and painting. Hooks until the cutting and painting land: each
// does nothing yet.
#include "shell/game.h"

namespace tess {

void Game::InitDirectDraw() {
    const QSize field = host_.PlayFieldSize();
    surfaces.BackBuffer = Surface::CreateSurface(std::max(field.width(), 1), std::max(field.height(), 1));
}

void Game::SetWholeImage() {}
void Game::GetOriginalImageSize() {}
void Game::ResizePuzzle() {}
void Game::ScalePiecesPosition() {}
void Game::InitPreview() {}
void Game::ResetOutlineColors() {}

void Game::picPuzzle_Paint() {
    if (host_.IsMinimized() || !puzzle.PuzzleLoaded) {
        return;
    }
}

} // namespace tess
