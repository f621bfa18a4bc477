// Arrange Pieces and Gather Edge Pieces: the loose groups laid out on a grid of whole cells, so
// that the middle of every loose piece's cell shows that piece and a click there picks it.
#pragma once

#include "puzzle/model.h"

namespace tess {

struct ArrangeField {
    // The play field's inner size in pixels.
    Long Width = 0;
    Long Height = 0;
    // Covered only when nothing else is left, like the placed pieces: the shown preview with
    // its caption. {} keeps nothing: no piece's box reaches the field's top-left corner.
    Rect Keep;
    // Gather Edge Pieces: the groups that hold a straight side of the picture go first, as near
    // the field's edge of that side as there is room, and are drawn above the others.
    bool EdgesFirst = false;
};

// Lays every loose group on the grid of the board's cells, extended over the whole field as
// far as a piece with its knobs stays inside it: groups keep their shape, placed pieces stay.
// Places are taken in order of preference: outside the board, then the board's empty cells,
// then over the kept rectangle and the placed pieces. Big groups go first, then single pieces
// in reading order of where they lay. Groups that find no free place go where they cover the
// fewest middles, above the others. The drawing order follows the order of laying. A group
// larger than the grid (a field smaller than the board) leaves everything where it is. The
// puzzle is a consistent loaded game: its cells are never empty.
void ArrangeLooseGroups(Puzzle& puzzle, const ArrangeField& field);

} // namespace tess
