// The geometry of cutting: fitting the picture to the play field, the cell, knob and board
// sizes, the curve schedule of knobs and sockets, and the rectangle copies that assemble
// one piece from the scaled picture.
#pragma once

#include "puzzle/model.h"

#include <vector>

namespace tess {

struct CutLayout {
    Long ImageWidth = 0;
    Long ImageHeight = 0;
    Integer CellWidth = 0;
    Integer CellHeight = 0;
    Integer TabWidth = 0;
    Integer TabHeight = 0;
    Integer BoardLeft = 0;
    Integer BoardTop = 0;
    Rect BoardRect;
};

// The smallest side of a cell: every outline part of such a piece has at least one pixel.
inline constexpr Integer kSmallestCell = 3;

// Fits a picture of the original size into a play field of fieldWidth x fieldHeight (never
// enlarging it), leaves room for the knobs of the border pieces and centres the board.
// Cells never get smaller than kSmallestCell, nor the picture than one pixel: a window made
// smaller than a grid allows keeps every piece, the board reaching past the field.
CutLayout ComputeCutLayout(Integer originalWidth, Integer originalHeight, Integer columns,
                           Integer rows, Long fieldWidth, Long fieldHeight);

// Whether the picture of the layout gives cells of at least kSmallestCell pixels each way
// without enlarging them.
bool HasRoomForCells(const CutLayout& layout, Integer columns, Integer rows);

// Writes the layout into the puzzle, with every piece's CellRect, HomeX and HomeY.
void ApplyCutLayout(Puzzle& puzzle, const CutLayout& layout);

// Sizes of the six outline line surfaces, width x height.
struct LineSizes {
    Long FrameLineHWidth, FrameLineVHeight, EdgeLineHWidth, EdgeLineVHeight, EdgeStubHWidth,
        EdgeStubVHeight;
};
LineSizes OutlineLineSizes(const Puzzle& puzzle);

enum class CurveKind { Socket, Knob };

// The insets of the strips of one side, row j at index j, from the edge of the cell.
// base is the cell length along the side (CellWidth for top and bottom), depth the tab
// depth across it (TabHeight for top and bottom). A knob ends early when its curve runs
// out; a socket always has depth rows.
std::vector<Integer> CurveInsets(Integer base, Integer depth, CurveKind kind);

// One copy from the scaled picture into a piece surface: the source rectangle of the
// picture and the top-left corner it lands on in the piece surface.
struct PieceCopy {
    Rect Source;
    Long X = 0;
    Long Y = 0;
};

// Sizes and grid that cutting reads.
struct CutSizes {
    Integer CellWidth = 0;
    Integer CellHeight = 0;
    Integer TabWidth = 0;
    Integer TabHeight = 0;
    Integer Columns = 0;
    Integer Rows = 0;
};

// The sizes with the four curve schedules, worked out once per cut.
struct CutPlan {
    CutSizes Sizes;
    std::vector<Integer> SocketAcross; // top and bottom sides: base CellWidth, TabHeight rows
    std::vector<Integer> KnobAcross;
    std::vector<Integer> SocketDown; // left and right sides: base CellHeight, TabWidth columns
    std::vector<Integer> KnobDown;
};
CutPlan MakeCutPlan(const Puzzle& puzzle);

// Every copy that assembles the piece, in order: the four corner blocks, the centre block,
// then the sides top, bottom, left, right. Empty rectangles are left out. Replaces the
// contents of copies (a buffer reused from piece to piece).
void PieceCopies(const PieceRecord& piece, const CutPlan& plan, std::vector<PieceCopy>& copies);

} // namespace tess
