// Fixing groups at their true place, and choosing the group a hint places.
#pragma once

#include "puzzle/model.h"
#include "puzzle/random.h"

namespace tess {

// Puts every member of the live group intGroup on its home position, appends the
// members to PlacedPieces in ascending order, marks the group InPlace and takes it out
// of the drawing order. True when every piece of the puzzle is now placed.
bool PlaceGroup(Puzzle& puzzle, Integer intGroup);

// A group drawn uniformly over the positions of GroupOrder, drawing again while the
// drawn group is InPlace; 0 when no listed group is loose.
Integer DrawHintGroup(const Puzzle& puzzle, RandomSource& random);

} // namespace tess
