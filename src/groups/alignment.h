// Laying the members of a group out on their common grid inside the play field.
#pragma once

#include "puzzle/model.h"

namespace tess {

// Re-lays group intGroup around its reference piece (element 1 of Members) and pushes
// it back inside a play field of the given size, bounds in the order left, right, top,
// bottom. A group of one piece is left as it is.
void AlignGroup(Puzzle& puzzle, Integer intGroup, Single fieldWidth, Single fieldHeight);

// AlignGroup for every group in GroupOrder that is not InPlace.
void AlignAllGroups(Puzzle& puzzle, Single fieldWidth, Single fieldHeight);

} // namespace tess
