// Dropping: fitting the pieces of a dropped group to their neighbours.
#include "display/dropping.h"

#include "groups/groups.h"

#include <cstdlib>

namespace tess {

namespace {

constexpr Long kTolerance = 5;

bool Near(Long a, Long b) { return std::abs(a - b) < kTolerance; }

// A fixed piece belongs to no group and is never fitted to. A snap earlier in the same
// drop can bring a piece within reach of a fixed neighbour although the grabbed piece
// missed its home; merging into "group 0" would then corrupt the model.
bool IsLoose(const PieceRecord& piece) { return piece.Group != 0; }

} // namespace

bool IsNearHome(const PieceRecord& piece) {
    return piece.HomeX - kTolerance < piece.X && piece.X < piece.HomeX + kTolerance &&
           piece.HomeY - kTolerance < piece.Y && piece.Y < piece.HomeY + kTolerance;
}

void FitDroppedGroup(Puzzle& puzzle, Single fieldWidth, Single fieldHeight) {
    const GroupRecord& dragged = puzzle.Groups[puzzle.DraggedGroup];
    puzzle.DraggedMemberCount = dragged.MemberCount;
    puzzle.DraggedMembers.assign(dragged.Members.begin(),
                                 dragged.Members.begin() + dragged.MemberCount + 1);

    const int columns = puzzle.PuzzleColumns;
    const int rows = puzzle.PuzzleRows;
    const Long CW = puzzle.CellWidth;
    const Long CH = puzzle.CellHeight;
    // After a snap: merge when the neighbour lies in another group, then lay the group out.
    auto joined = [&puzzle, fieldWidth, fieldHeight](Integer p, Integer neighbour) {
        if (puzzle.Pieces[p].Group != puzzle.Pieces[neighbour].Group) {
            SetPieceGroup(puzzle, neighbour);
            puzzle.DraggedGroup = puzzle.Pieces[p].Group;
        }
        AlignGroup(puzzle, puzzle.DraggedGroup, fieldWidth, fieldHeight);
    };

    // The walk uses the copy: pieces that join during it are not tested themselves. A
    // neighbour exists where the piece's column or row is not the first or last: on one
    // column, p - 1 is the piece above, not a left neighbour.
    for (int i = 1; i <= puzzle.DraggedMemberCount; ++i) {
        const Integer p = puzzle.DraggedMembers[i];
        PieceRecord& piece = puzzle.Pieces[p];

        const int above = p - columns;
        if (piece.Row > 0 && piece.JoinedTop == kFalse) {
            PieceRecord& other = puzzle.Pieces[above];
            if (IsLoose(other) && Near(piece.X, other.X) && Near(piece.Y, other.Y + CH)) {
                other.JoinedBottom = piece.JoinedTop = kTrue;
                piece.X = other.X;
                piece.Y = other.Y + CH;
                joined(p, static_cast<Integer>(above));
            }
        }
        const int below = p + columns;
        if (piece.Row < rows - 1 && piece.JoinedBottom == kFalse) {
            PieceRecord& other = puzzle.Pieces[below];
            if (IsLoose(other) && Near(piece.X, other.X) && Near(piece.Y + CH, other.Y)) {
                other.JoinedTop = piece.JoinedBottom = kTrue;
                piece.X = other.X;
                piece.Y = other.Y - CH;
                joined(p, static_cast<Integer>(below));
            }
        }
        const int left = p - 1;
        if (piece.Col > 0 && piece.JoinedLeft == kFalse) {
            PieceRecord& other = puzzle.Pieces[left];
            if (IsLoose(other) && Near(piece.X, other.X + CW) && Near(piece.Y, other.Y)) {
                other.JoinedRight = piece.JoinedLeft = kTrue;
                piece.X = other.X + CW;
                piece.Y = other.Y;
                joined(p, static_cast<Integer>(left));
            }
        }
        const int right = p + 1;
        if (piece.Col < columns - 1 && piece.JoinedRight == kFalse) {
            PieceRecord& other = puzzle.Pieces[right];
            if (IsLoose(other) && Near(piece.X + CW, other.X) && Near(piece.Y, other.Y)) {
                other.JoinedLeft = piece.JoinedRight = kTrue;
                piece.X = other.X - CW;
                piece.Y = other.Y;
                joined(p, static_cast<Integer>(right));
            }
        }
    }
}

} // namespace tess
