// The play field a saved game was laid out on, worked out from the layout it stored.
#pragma once

#include "puzzle/model.h"

namespace tess {

struct FieldSize {
    Long Width = 0;
    Long Height = 0;
};

// A saved game stores each piece's CellRect, HomeX and HomeY as cut for the play field of
// the moment; its size is not stored. The sizes whose cut (of this picture, on this grid)
// gives the same cell size and board corner are found by trying each one the centred board
// allows: the board's margins make the field 2 x BoardLeft + Columns x CellWidth wide, plus
// the part of the picture's width the cells leave over (0 to Columns - 1 pixels) and the
// odd pixel of the centring; likewise in height. Of those sizes, the current field's is taken
// when it is one (so an unchanged field moves nothing), else their middle. A picture that
// fits the field pins each side to within a pixel; on the side that limited a picture shrunk
// to fit, a range of about a pixel per row or column remains, so the middle is off by 1 to
// 2 % at most: the scattered pieces spread that much wider or narrower than a resize would
// spread them, which does not show. A layout that no size gives (an edited file) is taken
// as that of the middle of the allowed range.
FieldSize SavedFieldSize(const Puzzle& saved, Long currentWidth, Long currentHeight);

} // namespace tess
