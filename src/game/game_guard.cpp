// The guard every event of the window runs in: a failure is reported and stops there, and
// the model is left whole, with the game on the screen or without a puzzle.
#include "game/game.h"
#include "puzzle/invariants.h"

#include <algorithm>

namespace tess {

bool Game::PuzzleIsWhole() const {
    if (!CheckModelInvariants(puzzle).isEmpty()) {
        return false;
    }
    if (!puzzle.PuzzleLoaded) {
        return true;
    }
    const std::vector<Surface>& pieces = surfaces.PieceSurfaces;
    return puzzle.Pieces.size() > 1 && pieces.size() == puzzle.Pieces.size() &&
           std::none_of(pieces.begin() + 1, pieces.end(),
                        [](const Surface& piece) { return piece.IsNull(); });
}

void Game::Guard(const std::function<void()>& handling) noexcept {
    try {
        QString why;
        try {
            handling();
            return;
        } catch (const std::exception& failure) {
            why = QString::fromLocal8Bit(failure.what());
        } catch (...) {
            why = tr("an unexpected failure");
        }
        surfaces.WholeImageSurface.Release();
        if (!PuzzleIsWhole()) {
            ClosePuzzleAfterFailure();
        }
        QString text = tr("The puzzle could not be cut: %1").arg(why);
        if (puzzle.PuzzleLoaded) {
            text += QStringLiteral("\n\n") + tr("The game on the screen goes on.");
        }
        host_.ShowMessage(text, tr("Error:"));
    } catch (...) {
        // Even the report failed (no memory left). The event loop must still not see it.
    }
}

} // namespace tess
