// The progress text of the toolbar row: how many pieces are placed, and the game's clock.
#pragma once

#include "puzzle/model.h"

#include <QString>

namespace tess {

// "h:mm:ss", the hours as many digits as they take.
QString ClockText(Long seconds);

// "<placed> of <N> placed · <h:mm:ss>", "Complete · <h:mm:ss>" when the puzzle is solved,
// nothing without a puzzle.
QString ProgressText(const Puzzle& puzzle, Long seconds);

} // namespace tess
