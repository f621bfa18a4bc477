// Group alignment: positions follow from the grid cells, never from where members lay.
#include "groups/alignment.h"

#include <algorithm>

namespace tess {

namespace {

// The products here are Integer products; a result beyond 16 bits saturates instead of
// overflowing, as every Integer conversion of the program does.
Integer Product16(int a, int b) {
    const int product = a * b;
    return static_cast<Integer>(std::clamp(product, -32768, 32767));
}

} // namespace

void AlignGroup(Puzzle& puzzle, Integer intGroup, Single fieldWidth, Single fieldHeight) {
    const GroupRecord& group = puzzle.Groups[intGroup];
    if (group.MemberCount <= 1) {
        return;
    }
    PieceRecord& f = puzzle.Pieces[group.Members[1]];

    // Inside the field: the left edge at least the cells left of the first piece, the right
    // edge no further than the field's.
    const Integer left = Product16(f.Col - group.MinCol, puzzle.CellWidth);
    const Integer width = Product16(group.MaxCol - f.Col + 1, puzzle.CellWidth);
    f.X = std::max<Long>(f.X, left);
    f.X = std::min(f.X, CLng(static_cast<double>(fieldWidth) - width));
    const Integer top = Product16(f.Row - group.MinRow, puzzle.CellHeight);
    const Integer height = Product16(group.MaxRow - f.Row + 1, puzzle.CellHeight);
    f.Y = std::max<Long>(f.Y, top);
    f.Y = std::min(f.Y, CLng(static_cast<double>(fieldHeight) - height));

    for (int i = 2; i <= group.MemberCount; ++i) {
        PieceRecord& p = puzzle.Pieces[group.Members[i]];
        p.X = f.X + Product16(p.Col - f.Col, puzzle.CellWidth);
        p.Y = f.Y + Product16(p.Row - f.Row, puzzle.CellHeight);
    }
}

void AlignAllGroups(Puzzle& puzzle, Single fieldWidth, Single fieldHeight) {
    for (int i = 1; i <= puzzle.GroupOrderCount; ++i) {
        const Integer g = puzzle.GroupOrder[i];
        if (puzzle.Groups[g].InPlace == kFalse) {
            AlignGroup(puzzle, g, fieldWidth, fieldHeight);
        }
    }
}

} // namespace tess
