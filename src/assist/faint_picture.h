// Faint Picture on Board: the picture on the board's cells, blended towards the background.
#pragma once

#include "display/surface.h"
#include "puzzle/model.h"

namespace tess {

// The pixel (0xRRGGBB) with a fifth of its distance from the background left, each colour
// on its own.
Long FaintPixel(Long pixel, Long background);

// The board's cells as the finished picture shows them, made from the piece surfaces of a
// loaded game's cut laid at their homes, each pixel made faint against the background. Null
// without memory for it.
Surface MakeFaintPicture(const Puzzle& puzzle, const Surfaces& surfaces, Long background);

} // namespace tess
