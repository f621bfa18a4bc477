// Cutting geometry: layout, curve schedule and the copies that assemble each piece.
#include "puzzle/cutting.h"

#include <algorithm>

namespace tess {

CutLayout ComputeCutLayout(Integer originalWidth, Integer originalHeight, Integer columns,
                           Integer rows, Long fieldWidth, Long fieldHeight) {
    CutLayout layout;
    Long imageHeight = originalHeight;
    Long imageWidth = originalWidth;
    // The height is compared with the field itself, the width with the field less 8.
    if (fieldHeight < imageHeight) {
        imageHeight = CLng(fieldHeight - 8.0);
        imageWidth = static_cast<Long>(Long{originalWidth} * imageHeight / originalHeight);
    }
    if (fieldWidth - 8 < imageWidth) {
        imageWidth = CLng(fieldWidth - 8.0);
        imageHeight = static_cast<Long>(Long{originalHeight} * imageWidth / originalWidth);
    }
    imageHeight -= 2 * ((imageHeight / rows) / 3);
    imageWidth -= 2 * ((imageWidth / columns) / 3);
    layout.ImageHeight = std::max(imageHeight, Long{1});
    layout.ImageWidth = std::max(imageWidth, Long{1});
    layout.CellHeight = std::max(CInt(layout.ImageHeight / rows), kSmallestCell);
    layout.CellWidth = std::max(CInt(layout.ImageWidth / columns), kSmallestCell);
    layout.TabHeight = static_cast<Integer>(layout.CellHeight / 3);
    layout.TabWidth = static_cast<Integer>(layout.CellWidth / 3);
    layout.BoardLeft = CInt(CLng(fieldWidth - imageWidth) / 2);
    layout.BoardTop = CInt(CLng(fieldHeight - imageHeight) / 2);
    layout.BoardRect =
        Rect{layout.BoardLeft, layout.BoardTop, layout.BoardLeft + Long{columns} * layout.CellWidth,
             layout.BoardTop + Long{layout.CellHeight} * rows};
    return layout;
}

bool HasRoomForCells(const CutLayout& layout, Integer columns, Integer rows) {
    return layout.ImageWidth / columns >= kSmallestCell &&
           layout.ImageHeight / rows >= kSmallestCell;
}

void ApplyCutLayout(Puzzle& puzzle, const CutLayout& layout) {
    puzzle.ImageHeight = layout.ImageHeight;
    puzzle.ImageWidth = layout.ImageWidth;
    puzzle.CellHeight = layout.CellHeight;
    puzzle.CellWidth = layout.CellWidth;
    puzzle.TabHeight = layout.TabHeight;
    puzzle.TabWidth = layout.TabWidth;
    puzzle.BoardLeft = layout.BoardLeft;
    puzzle.BoardTop = layout.BoardTop;
    puzzle.BoardRect = layout.BoardRect;
    for (std::size_t i = 1; i < puzzle.Pieces.size(); ++i) {
        PieceRecord& piece = puzzle.Pieces[i];
        const Long left = Long{piece.Col} * layout.CellWidth;
        const Long top = Long{piece.Row} * layout.CellHeight;
        piece.CellRect = Rect{left, top, left + layout.CellWidth, top + layout.CellHeight};
        piece.HomeX = CInt(layout.BoardLeft + 1 + left - layout.TabWidth);
        piece.HomeY = CInt(layout.BoardTop + 1 + top - layout.TabHeight);
    }
}

LineSizes OutlineLineSizes(const Puzzle& puzzle) {
    const Long cw = puzzle.CellWidth;
    const Long ch = puzzle.CellHeight;
    return LineSizes{
        Long{puzzle.PuzzleColumns} * cw + 2, Long{puzzle.PuzzleRows} * ch + 2, cw + 2, ch,
        cw / 9 + puzzle.TabWidth + 1,        ch / 9 + puzzle.TabHeight};
}

std::vector<Integer> CurveInsets(Integer base, Integer depth, CurveKind kind) {
    std::vector<Integer> insets;
    insets.reserve(depth > 0 ? depth : 0);
    // Single precision on purpose: every step rounds k to a float, and the shapes depend on
    // where exact and near halves fall.
    float k = -1.0f;
    const int phaseOneRows = depth / 2;
    for (int j = 0; j < depth; ++j) {
        if (j < phaseOneRows) {
            k = static_cast<float>(static_cast<double>(k) + 1.5);
        } else {
            k = static_cast<float>(static_cast<double>(k) - 1.7);
            if (kind == CurveKind::Socket && k < -4.0f) {
                k = -4.0f;
            }
        }
        const double kPlus9 = static_cast<double>(k) + 9.0;
        if (kind == CurveKind::Knob && kPlus9 < 2.5) {
            break;
        }
        insets.push_back(static_cast<Integer>(base / CLng(kPlus9)));
    }
    return insets;
}

CutSizes CutSizesOf(const Puzzle& puzzle) {
    return CutSizes{puzzle.CellWidth, puzzle.CellHeight,    puzzle.TabWidth,
                    puzzle.TabHeight, puzzle.PuzzleColumns, puzzle.PuzzleRows};
}

CutPlan MakeCutPlan(const Puzzle& puzzle) {
    CutPlan plan;
    plan.Sizes = CutSizesOf(puzzle);
    plan.SocketAcross = CurveInsets(puzzle.CellWidth, puzzle.TabHeight, CurveKind::Socket);
    plan.KnobAcross = CurveInsets(puzzle.CellWidth, puzzle.TabHeight, CurveKind::Knob);
    plan.SocketDown = CurveInsets(puzzle.CellHeight, puzzle.TabWidth, CurveKind::Socket);
    plan.KnobDown = CurveInsets(puzzle.CellHeight, puzzle.TabWidth, CurveKind::Knob);
    return plan;
}

namespace {

// Collects copies given in cell coordinates, placed by the window rule: picture point
// (cell left + x, cell top + y) lands at (x + TabWidth, y + TabHeight).
class CopyList {
public:
    CopyList(const PieceRecord& piece, const CutSizes& sizes, std::vector<PieceCopy>& copies)
        : left_(piece.CellRect.Left), top_(piece.CellRect.Top), tw_(sizes.TabWidth),
          th_(sizes.TabHeight), copies_(copies) {}

    // The rectangle [x0, x1) x [y0, y1) of the cell; nothing when it is empty.
    void Add(Long x0, Long y0, Long x1, Long y1) {
        if (x1 <= x0 || y1 <= y0) {
            return;
        }
        copies_.push_back(
            PieceCopy{Rect{left_ + x0, top_ + y0, left_ + x1, top_ + y1}, x0 + tw_, y0 + th_});
    }
    void Row(Long x0, Long x1, Long y) { Add(x0, y, x1, y + 1); }
    void Column(Long y0, Long y1, Long x) { Add(x, y0, x + 1, y1); }

private:
    Long left_, top_, tw_, th_;
    std::vector<PieceCopy>& copies_;
};

} // namespace

void PieceCopies(const PieceRecord& piece, const CutPlan& plan, std::vector<PieceCopy>& copies) {
    copies.clear();
    const CutSizes& z = plan.Sizes;
    const Long cw = z.CellWidth, ch = z.CellHeight, tw = z.TabWidth, th = z.TabHeight;
    CopyList list(piece, z, copies);

    list.Add(0, 0, tw, th);
    list.Add(cw - tw, 0, cw, th);
    list.Add(0, ch - th, tw, ch);
    list.Add(cw - tw, ch - th, cw, ch);
    list.Add(tw, th, cw - tw, ch - th);

    // Top.
    if (piece.TopOut) {
        list.Add(tw, 0, cw - tw, th);
        if (piece.Row != 0) {
            for (std::size_t j = 0; j < plan.KnobAcross.size(); ++j) {
                const Long s = plan.KnobAcross[j];
                list.Row(tw + s, cw - tw - s, -1 - Long(j));
            }
        }
    } else {
        for (std::size_t j = 0; j < plan.SocketAcross.size(); ++j) {
            const Long s = plan.SocketAcross[j];
            list.Row(tw, tw + s, Long(j));
            list.Row(cw - tw - s, cw - tw, Long(j));
        }
    }
    // Bottom.
    if (piece.BottomOut) {
        list.Add(tw, ch - th, cw - tw, ch);
        if (piece.Row != z.Rows - 1) {
            for (std::size_t j = 0; j < plan.KnobAcross.size(); ++j) {
                const Long s = plan.KnobAcross[j];
                list.Row(tw + s, cw - tw - s, ch + Long(j));
            }
        }
    } else {
        for (std::size_t j = 0; j < plan.SocketAcross.size(); ++j) {
            const Long s = plan.SocketAcross[j];
            list.Row(tw, tw + s, ch - 1 - Long(j));
            list.Row(cw - tw - s, cw - tw, ch - 1 - Long(j));
        }
    }
    // Left.
    if (piece.LeftOut) {
        list.Add(0, th, tw, ch - th);
        if (piece.Col != 0) {
            for (std::size_t j = 0; j < plan.KnobDown.size(); ++j) {
                const Long s = plan.KnobDown[j];
                list.Column(th + s, ch - th - s, -1 - Long(j));
            }
        }
    } else {
        for (std::size_t j = 0; j < plan.SocketDown.size(); ++j) {
            const Long s = plan.SocketDown[j];
            list.Column(th, th + s, Long(j));
            list.Column(ch - th - s, ch - th, Long(j));
        }
    }
    // Right.
    if (piece.RightOut) {
        list.Add(cw - tw, th, cw, ch - th);
        if (piece.Col != z.Columns - 1) {
            for (std::size_t j = 0; j < plan.KnobDown.size(); ++j) {
                const Long s = plan.KnobDown[j];
                list.Column(th + s, ch - th - s, cw + Long(j));
            }
        }
    } else {
        for (std::size_t j = 0; j < plan.SocketDown.size(); ++j) {
            const Long s = plan.SocketDown[j];
            list.Column(th, th + s, cw - 1 - Long(j));
            list.Column(ch - th - s, ch - th, cw - 1 - Long(j));
        }
    }
}

} // namespace tess
