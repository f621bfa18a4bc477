// Groups of joined pieces: their bounds, merging two groups, and the drawing order.
#pragma once

#include "puzzle/model.h"

namespace tess {

// Recomputes MinCol, MaxCol, MinRow and MaxRow of a group with at least one member.
void SetGroupEdges(Puzzle& puzzle, Integer intGroup);

// Moves every member of DraggedGroup into the group of the neighbour piece
// intSelectedDirection, keeping Members ascending; empties the dragged group's slot
// and raises the merged group to the top. DraggedGroup itself is left unchanged.
void SetPieceGroup(Puzzle& puzzle, Integer intSelectedDirection);

// Takes the group out of GroupOrder (shrinking it) and empties its slot; InPlace and
// the bounds stay as they were.
void RemoveGroup(Puzzle& puzzle, Integer intGroup);

// Raises the group of SelectedPiece to the last place of GroupOrder (drawn on top);
// the other groups keep their order.
void ReOrderGroups(Puzzle& puzzle);

} // namespace tess
