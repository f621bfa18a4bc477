// The shape test and the move rules of dragging.
#include "display/picking.h"

#include "puzzle/preview.h"

namespace tess {

namespace {

enum class Side { Border, Knob, Socket };

struct Shape {
    Side top;
    Side bottom;
    Side left;
    Side right;
};

Side SideOf(bool border, bool knob) {
    return border ? Side::Border : (knob ? Side::Knob : Side::Socket);
}

// The checkerboard's two shapes: the even one has knobs left and right and sockets top and
// bottom, the odd one the reverse; border sides stay straight in both.
Shape ShapeOf(bool top, bool bottom, bool left, bool right, bool even) {
    return Shape{SideOf(top, !even), SideOf(bottom, !even), SideOf(left, even),
                 SideOf(right, even)};
}

// Chooses the shape from the piece's place in the grid and one or two of its Out flags,
// in the program's order of tests. False when the flags fit no shape.
bool ChooseShape(const Puzzle& puzzle, Integer p, Shape& shape) {
    const PieceRecord& piece = puzzle.Pieces[p];
    const bool top = piece.Row == 0;
    const bool bottom = piece.Row == puzzle.PuzzleRows - 1;
    const bool left = piece.Col == 0;
    const bool right = piece.Col == puzzle.PuzzleColumns - 1;
    const bool leftOut = piece.LeftOut != kFalse;
    const bool rightOut = piece.RightOut != kFalse;
    const bool topOut = piece.TopOut != kFalse;
    const bool bottomOut = piece.BottomOut != kFalse;

    // The flag tested first, whether its side is left or right (a knob there means the
    // even shape), and the flag tested next, on a side of the other shape.
    struct {
        bool first;
        bool firstEven;
        bool second;
    } test{};
    if (p == 1) {
        // Knob right and socket bottom on every grid of two rows and columns or more; on one
        // row or one column a border there, as its flags say.
        shape = Shape{SideOf(top, topOut), SideOf(bottom, bottomOut), SideOf(left, leftOut),
                      SideOf(right, rightOut)};
        return true;
    } else if (!top && !bottom && !left && !right) {
        test = {leftOut, true, topOut};
    } else if (top && !left && !right) {
        test = {leftOut, true, bottomOut};
    } else if (top && right) {
        test = {leftOut, true, bottomOut};
    } else if (left && !top && !bottom) {
        test = {topOut, false, rightOut};
    } else if (right && !top && !bottom) {
        test = {topOut, false, leftOut};
    } else if (bottom && left) {
        test = {topOut, false, rightOut};
    } else if (bottom && !left && !right) {
        test = {leftOut, true, topOut};
    } else if (bottom && right) {
        test = {topOut, false, leftOut};
    } else {
        return false;
    }
    if (!test.first && !test.second) {
        return false;
    }
    shape = ShapeOf(top, bottom, left, right, test.first ? test.firstEven : !test.firstEven);
    return true;
}

} // namespace

bool IsInsideOpenRect(const Rect& rect, double x, double y) {
    return rect.Left < x && x < rect.Right && rect.Top < y && y < rect.Bottom;
}

bool IsPointOnPiece(const Puzzle& puzzle, Integer p, double x, double y) {
    Shape shape;
    if (!ChooseShape(puzzle, p, shape)) {
        return false;
    }
    const PieceRecord& piece = puzzle.Pieces[p];
    const Long X = piece.X;
    const Long Y = piece.Y;
    const Long CW = puzzle.CellWidth;
    const Long CH = puzzle.CellHeight;
    const Long TW = puzzle.TabWidth;
    const Long TH = puzzle.TabHeight;
    const Long cellLeft = X + TW;
    const Long cellRight = X + TW + CW;
    const Long cellTop = Y + TH;
    const Long cellBottom = Y + TH + CH;

    // The cell less the bands that hold sockets.
    const Rect core{cellLeft + (shape.left == Side::Socket ? TW : 0),
                    cellTop + (shape.top == Side::Socket ? TH : 0),
                    cellRight - (shape.right == Side::Socket ? TW : 0),
                    cellBottom - (shape.bottom == Side::Socket ? TH : 0)};
    if (IsInsideOpenRect(core, x, y)) {
        return true;
    }
    // The two end thirds of each band with a socket in its middle.
    const Rect topLeft{cellLeft, cellTop, cellLeft + TW, cellTop + TH};
    const Rect topRight{cellRight - TW, cellTop, cellRight, cellTop + TH};
    const Rect bottomLeft{cellLeft, cellBottom - TH, cellLeft + TW, cellBottom};
    const Rect bottomRight{cellRight - TW, cellBottom - TH, cellRight, cellBottom};
    auto inEnds = [x, y](const Rect& a, const Rect& b) {
        return IsInsideOpenRect(a, x, y) || IsInsideOpenRect(b, x, y);
    };
    if ((shape.top == Side::Socket && inEnds(topLeft, topRight)) ||
        (shape.bottom == Side::Socket && inEnds(bottomLeft, bottomRight)) ||
        (shape.left == Side::Socket && inEnds(topLeft, bottomLeft)) ||
        (shape.right == Side::Socket && inEnds(topRight, bottomRight))) {
        return true;
    }
    // The knobs, the middle third of a side, one tab deep.
    return (shape.top == Side::Knob && IsInsideOpenRect({X + 2 * TW, Y, X + CW, Y + TH}, x, y)) ||
           (shape.bottom == Side::Knob &&
            IsInsideOpenRect({X + 2 * TW, Y + TH + CH, X + CW, Y + CH + 2 * TH}, x, y)) ||
           (shape.left == Side::Knob && IsInsideOpenRect({X, Y + 2 * TH, X + TW, Y + CH}, x, y)) ||
           (shape.right == Side::Knob &&
            IsInsideOpenRect({X + TW + CW, Y + 2 * TH, X + CW + 2 * TW, Y + CH}, x, y));
}

Integer FindPieceAt(const Puzzle& puzzle, double x, double y) {
    for (int gi = puzzle.GroupOrderCount; gi >= 1; --gi) {
        const GroupRecord& group = puzzle.Groups[puzzle.GroupOrder[gi]];
        if (group.InPlace != kFalse) {
            continue;
        }
        for (int k = group.MemberCount; k >= 1; --k) {
            const Integer p = group.Members[k];
            if (IsPointOnPiece(puzzle, p, x, y)) {
                return p;
            }
        }
    }
    return 0;
}

void MovePreviewTo(Puzzle& puzzle, double x, double y, Long previewHeight, double fieldWidth,
                   double fieldHeight, double pixelRatio) {
    // At a ratio of 1: grip 8, bar 17, picture 18 below the bar's top; 9 = 17 - 8 below the
    // pointer the bar ends.
    const PreviewSpacing spacing = PreviewSpacingFor(pixelRatio);
    const Long grip = spacing.Grip;
    const Long bar = spacing.CaptionHeight;
    const Long picture = spacing.CaptionHeight + spacing.Gap;
    const Integer half = static_cast<Integer>(puzzle.PreviewWidth / 2);
    if (x - half > 0 && x + half < fieldWidth) {
        const Long left = CLng(x - half);
        puzzle.PreviewCaptionRect.Left = puzzle.PreviewRect.Left = left;
        puzzle.PreviewCaptionRect.Right = puzzle.PreviewRect.Right = left + puzzle.PreviewWidth;
    }
    if (y - grip > 0 && y + (bar - grip) + previewHeight < fieldHeight) {
        const Long top = CLng(y - grip);
        puzzle.PreviewCaptionRect.Top = top;
        puzzle.PreviewCaptionRect.Bottom = top + bar;
        puzzle.PreviewRect.Top = top + picture;
        puzzle.PreviewRect.Bottom = top + picture + previewHeight;
    }
}

void MoveSelectedGroupTo(Puzzle& puzzle, double x, double y, double fieldWidth,
                         double fieldHeight) {
    const Integer s = puzzle.SelectedPiece;
    PieceRecord& selected = puzzle.Pieces[s];
    const GroupRecord& group = puzzle.Groups[selected.Group];
    const Long oldX = selected.X;
    const Long oldY = selected.Y;
    const int hw = (2 * puzzle.TabWidth + puzzle.CellWidth) / 2;
    const int hh = (2 * puzzle.TabHeight + puzzle.CellHeight) / 2;
    const int above = (selected.Row - group.MinRow) * puzzle.CellHeight;
    const int below = (group.MaxRow - selected.Row) * puzzle.CellHeight;
    if (y - above - hh > 0 && y + below + hh < fieldHeight) {
        selected.Y = CLng(y - hh);
    }
    const int leftOf = (selected.Col - group.MinCol) * puzzle.CellWidth;
    const int rightOf = (group.MaxCol - selected.Col) * puzzle.CellWidth;
    if (x - leftOf - hw > 0 && x + rightOf + hw < fieldWidth) {
        selected.X = CLng(x - hw);
    }
    const Long dX = selected.X - oldX;
    const Long dY = selected.Y - oldY;
    for (int k = 1; k <= group.MemberCount; ++k) {
        const Integer m = group.Members[k];
        if (m != s) {
            puzzle.Pieces[m].X += dX;
            puzzle.Pieces[m].Y += dY;
        }
    }
}

} // namespace tess
