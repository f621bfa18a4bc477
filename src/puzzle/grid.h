// Choosing the grid of pieces for a picture and fixing the knob and socket sides.
#pragma once

#include "puzzle/model.h"

#include <optional>
#include <vector>

namespace tess {

// Candidate column/row counts for N pieces: the divisors d of N with d * d <= N, ascending,
// in element 1 onwards (element 0 carries no entry).
std::vector<Integer> CandidateDivisors(Integer numberOfPieces);

struct Grid {
    Integer Columns = 0;
    Integer Rows = 0;
    friend bool operator==(const Grid&, const Grid&) = default;
};

// The grid rule for a picture of width x height. With no candidate (N prime, 2 or 3, or 1)
// the pieces form a single row for a landscape picture and a single column otherwise, so
// Columns x Rows stays N. Nothing for N below 1.
std::optional<Grid> ChooseGrid(Integer numberOfPieces, const std::vector<Integer>& divisors,
                               Integer divisorCount, Integer width, Integer height);

// Re-dimensions Pieces and Groups to 1..N and gives every piece its home cell and the
// checkerboard of knob (Out) and socket sides.
void NumberPieces(Puzzle& puzzle);

} // namespace tess
