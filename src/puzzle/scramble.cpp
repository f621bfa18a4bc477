// Scramble: resetting the groups and scattering the pieces.
#include "puzzle/scramble.h"

#include <QCoreApplication>
#include <algorithm>
#include <stdexcept>

namespace tess {

void ClearSettings(Puzzle& puzzle) {
    const Integer n = puzzle.NumberOfPieces;
    if (n < 0 || std::size_t(n) >= puzzle.Pieces.size()) {
        // Never in a model that holds together; refused rather than written past the pieces.
        throw std::out_of_range(
            QCoreApplication::translate(
                "Scramble", "the number of pieces does not match the pieces of the puzzle")
                .toStdString());
    }
    puzzle.GroupOrderCount = n;
    puzzle.ElapsedSeconds = 0;
    puzzle.GroupOrder.assign(static_cast<std::size_t>(n) + 1, 0);
    puzzle.GroupSlotCount = n;
    puzzle.PlacedCount = 0;
    puzzle.PlacedPieces.assign(1, 0);
    puzzle.SelectedPiece = 0;
    puzzle.PuzzleSolved = kFalse;
    puzzle.Groups.resize(static_cast<std::size_t>(n) + 1);
    // The counter is wider than the count: a 16-bit one would never pass 32767.
    for (int i = 1; i <= n; ++i) {
        PieceRecord& piece = puzzle.Pieces[i];
        piece.JoinedBottom = kFalse;
        piece.JoinedTop = kFalse;
        piece.JoinedLeft = kFalse;
        piece.JoinedRight = kFalse;
        piece.Group = static_cast<Integer>(i);
        GroupRecord& group = puzzle.Groups[i];
        group.Members = {0, piece.Group};
        group.MemberCount = 1;
        puzzle.GroupOrder[i] = piece.Group;
        // The edges of a group of one piece are that piece's own cell.
        group.MinCol = group.MaxCol = piece.Col;
        group.MinRow = group.MaxRow = piece.Row;
    }
}

ScrambleRange ScrambleRangeOf(const Puzzle& puzzle, Single fieldWidth, Single fieldHeight) {
    ScrambleRange range;
    range.MaxX = CInt(fieldWidth - puzzle.CellWidth - 2 * puzzle.TabWidth - 1);
    range.MinX = puzzle.TabWidth + 1;
    range.MaxY = CInt(fieldHeight - puzzle.CellHeight - 2 * puzzle.TabHeight - 1);
    range.MinY = puzzle.TabHeight + 1;
    range.MaxX = std::max(range.MaxX, range.MinX);
    range.MaxY = std::max(range.MaxY, range.MinY);
    return range;
}

namespace {

// Int((Max - Min + 1) * r + Min) in single precision, as the generator's values are.
Long DrawIn(Long min, Long max, Single r) {
    const Single value = static_cast<Single>(max - min + 1) * r + static_cast<Single>(min);
    return std::clamp(Int(value), min, max);
}

} // namespace

void ScatterPiece(PieceRecord& piece, const ScrambleRange& range, RandomSource& random) {
    piece.X = DrawIn(range.MinX, range.MaxX, random.Next());
    piece.Y = DrawIn(range.MinY, range.MaxY, random.Next());
}

} // namespace tess
