// Working out the play field of a saved game.
#include "puzzle/saved_field.h"
#include "puzzle/cutting.h"

namespace tess {

namespace {

// No play field is larger than this; a larger stored layout is not worth searching.
constexpr long long kLargestField = 1 << 16;

} // namespace

FieldSize SavedFieldSize(const Puzzle& saved, Long currentWidth, Long currentHeight) {
    const FieldSize current{currentWidth, currentHeight};
    const long long columns = saved.PuzzleColumns;
    const long long rows = saved.PuzzleRows;
    if (saved.Pieces.size() < 2 || columns < 1 || rows < 1) {
        return current;
    }
    const PieceRecord& piece = saved.Pieces[1];
    const long long cellWidth = static_cast<long long>(piece.CellRect.Right) - piece.CellRect.Left;
    const long long cellHeight = static_cast<long long>(piece.CellRect.Bottom) - piece.CellRect.Top;
    // HomeX = BoardLeft + 1 + CellRect.Left - TabWidth, and likewise HomeY.
    const long long boardLeft =
        piece.HomeX - 1 - static_cast<long long>(piece.CellRect.Left) + cellWidth / 3;
    const long long boardTop =
        piece.HomeY - 1 - static_cast<long long>(piece.CellRect.Top) + cellHeight / 3;
    const long long leastWidth = 2 * boardLeft + columns * cellWidth;
    const long long leastHeight = 2 * boardTop + rows * cellHeight;
    if (cellWidth < 1 || cellHeight < 1 || boardLeft < 0 || boardTop < 0 ||
        leastWidth + columns > kLargestField || leastHeight + rows > kLargestField) {
        return current;
    }

    long long widths = 0;
    long long heights = 0;
    long long count = 0;
    bool currentGivesIt = false;
    const bool pictureKnown = saved.OriginalWidth >= 1 && saved.OriginalHeight >= 1;
    for (long long w = leastWidth; pictureKnown && w <= leastWidth + columns; ++w) {
        for (long long h = leastHeight; h <= leastHeight + rows; ++h) {
            const CutLayout layout =
                ComputeCutLayout(saved.OriginalWidth, saved.OriginalHeight, saved.PuzzleColumns,
                                 saved.PuzzleRows, static_cast<Long>(w), static_cast<Long>(h));
            if (layout.CellWidth == cellWidth && layout.CellHeight == cellHeight &&
                layout.BoardLeft == boardLeft && layout.BoardTop == boardTop) {
                currentGivesIt = currentGivesIt || (w == currentWidth && h == currentHeight);
                widths += w;
                heights += h;
                ++count;
            }
        }
    }
    if (currentGivesIt) {
        return current;
    }
    if (count == 0) {
        return FieldSize{static_cast<Long>(leastWidth + columns / 2),
                         static_cast<Long>(leastHeight + rows / 2)};
    }
    return FieldSize{static_cast<Long>((widths + count / 2) / count),
                     static_cast<Long>((heights + count / 2) / count)};
}

} // namespace tess
