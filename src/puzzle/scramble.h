// Starting a game afresh: one group per piece, and random places for the pieces.
#pragma once

#include "puzzle/model.h"
#include "puzzle/random.h"

namespace tess {

// The allowed top-left corners of a piece surface, both ends inclusive.
struct ScrambleRange {
    Long MinX = 0;
    Long MaxX = 0;
    Long MinY = 0;
    Long MaxY = 0;
    friend bool operator==(const ScrambleRange&, const ScrambleRange&) = default;
};

// Undoes every join and placing for pieces 1 to NumberOfPieces: one group per piece in piece
// order, nothing placed, nothing selected, not solved, clock at 0. InPlace flags are left to
// the scramble. Throws std::out_of_range when the model holds fewer pieces than the count.
void ClearSettings(Puzzle& puzzle);

// The range that keeps a whole piece surface, knob margins included, inside a play
// field of the given size. A field too small for any place gives the single place at
// the minimum on that axis.
ScrambleRange ScrambleRangeOf(const Puzzle& puzzle, Single fieldWidth, Single fieldHeight);

// Gives the piece a place uniform over the range: X from one draw, then Y from the next.
void ScatterPiece(PieceRecord& piece, const ScrambleRange& range, RandomSource& random);

} // namespace tess
