// Dropping a group: the home test, and fitting its pieces to their neighbours.
#pragma once

#include "puzzle/model.h"

namespace tess {

// Whether the piece lies less than 5 pixels from its home on both axes.
bool IsNearHome(const PieceRecord& piece);

// Copies the members of DraggedGroup into DraggedMembers, then tests each copied member
// against its neighbours above, below, left and right: a neighbour lying less than 5
// pixels from where it fits, and not fixed in its place, is snapped to (the moving piece goes to
// it), both get their joined flags, the groups merge when they differ (DraggedGroup follows the
// merged group) and the group is laid out again in a play field of the given size.
void FitDroppedGroup(Puzzle& puzzle, Single fieldWidth, Single fieldHeight);

} // namespace tess
