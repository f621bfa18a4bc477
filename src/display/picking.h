// Picking a loose piece by its shape, and dragging a group or the preview.
#pragma once

#include "puzzle/model.h"

namespace tess {

// True when the point lies strictly inside the rectangle (a point on an edge is outside).
bool IsInsideOpenRect(const Rect& rect, double x, double y);

// The shape test: whether the point lies on the body of piece p (its cell less its
// sockets plus its knobs), tested as open rectangles.
bool IsPointOnPiece(const Puzzle& puzzle, Integer p, double x, double y);

// The piece under the point: the topmost loose group first, within a group the member
// stored last. 0 when the point is on no loose piece.
Integer FindPieceAt(const Puzzle& puzzle, double x, double y);

// Moves the preview so the pointer holds its caption at the caption's horizontal middle,
// 8 pixels below its top (more on a screen of a higher pixel ratio, as the caption bar is
// taller); an axis that would reach the field's edge keeps its place.
void MovePreviewTo(Puzzle& puzzle, double x, double y, Long previewHeight, double fieldWidth,
                   double fieldHeight, double pixelRatio = 1.0);

// Centres SelectedPiece under the point and moves its group rigidly with it; an axis on
// which the group would reach the field's edge keeps its place.
void MoveSelectedGroupTo(Puzzle& puzzle, double x, double y, double fieldWidth, double fieldHeight);

} // namespace tess
