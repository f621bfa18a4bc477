// Laying the loose groups out on a grid of whole cells.
#include "assist/arrange.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace tess {

namespace {

// How welcome a piece is in a cell: outside the board, on an empty board cell, or over what
// is covered only when nothing else is left.
enum Welcome : int { kOutside, kEmptyBoard, kCovering };

// The straight sides of the picture a group holds.
enum Side : int { kTop = 1, kBottom = 2, kLeft = 4, kRight = 8 };

Long FloorDiv(Long a, Long b) { return Long(std::floor(double(a) / double(b))); }

// The board's cells continued over the field, as far as a piece surface stays inside it.
struct Grid {
    Long Left; // the cell corner of column 0, row 0
    Long Top;
    int Columns;
    int Rows;
    std::vector<int> Welcome;
    // Loose pieces laid with their middle in the cell.
    std::vector<int> Middles;
};

Grid MakeGrid(const Puzzle& puzzle, const ArrangeField& field) {
    const Long cw = puzzle.CellWidth, ch = puzzle.CellHeight;
    const Long tw = puzzle.TabWidth, th = puzzle.TabHeight;
    const Long boardLeft = puzzle.BoardRect.Left + 1, boardTop = puzzle.BoardRect.Top + 1;
    // The first column whose piece's left knob margin is still inside the field.
    const Long firstColumn = -FloorDiv(boardLeft - tw, cw);
    const Long firstRow = -FloorDiv(boardTop - th, ch);
    const Long left = boardLeft + firstColumn * cw, top = boardTop + firstRow * ch;
    const int columns = int(std::max<Long>(FloorDiv(field.Width - tw - left, cw), 0));
    const int rows = int(std::max<Long>(FloorDiv(field.Height - th - top, ch), 0));
    const std::size_t cells = std::size_t(columns) * std::size_t(rows);
    Grid grid{left, top, columns, rows, std::vector<int>(cells), std::vector<int>(cells)};
    std::vector<char> placed(std::size_t(puzzle.PuzzleColumns) * std::size_t(puzzle.PuzzleRows));
    for (int i = 1; i <= puzzle.PlacedCount; ++i) {
        const PieceRecord& piece = puzzle.Pieces[puzzle.PlacedPieces[i]];
        placed[std::size_t(piece.Row) * std::size_t(puzzle.PuzzleColumns) +
               std::size_t(piece.Col)] = true;
    }
    const Rect& keep = field.Keep;
    for (int r = 0; r < grid.Rows; ++r) {
        for (int c = 0; c < grid.Columns; ++c) {
            const Long x = grid.Left + c * cw, y = grid.Top + r * ch;
            const Long col = firstColumn + c, row = firstRow + r;
            const bool onBoard =
                col >= 0 && col < puzzle.PuzzleColumns && row >= 0 && row < puzzle.PuzzleRows;
            const bool covers =
                (onBoard && placed[std::size_t(row * puzzle.PuzzleColumns + col)]) ||
                (x - tw < keep.Right && keep.Left < x + cw + tw && y - th < keep.Bottom &&
                 keep.Top < y + ch + th);
            grid.Welcome[std::size_t(r * grid.Columns + c)] =
                covers ? kCovering : (onBoard ? kEmptyBoard : kOutside);
        }
    }
    return grid;
}

// One loose group to lay: its cells from the top-left of its bounds.
struct Item {
    Integer Group;
    int Sides;
    int Columns;
    int Rows;
    std::vector<std::pair<int, int>> Cells;
    // Where its first piece lies now, for the reading order.
    Long X;
    Long Y;
};

Item ItemOf(const Puzzle& puzzle, Integer g, bool edges) {
    const GroupRecord& group = puzzle.Groups[g];
    const PieceRecord& first = puzzle.Pieces[group.Members[1]];
    const int sides =
        (group.MinRow == 0 ? kTop : 0) | (group.MaxRow == puzzle.PuzzleRows - 1 ? kBottom : 0) |
        (group.MinCol == 0 ? kLeft : 0) | (group.MaxCol == puzzle.PuzzleColumns - 1 ? kRight : 0);
    Item item{g,
              edges ? sides : 0,
              group.MaxCol - group.MinCol + 1,
              group.MaxRow - group.MinRow + 1,
              {},
              first.X,
              first.Y};
    for (int k = 1; k <= group.MemberCount; ++k) {
        const PieceRecord& piece = puzzle.Pieces[group.Members[k]];
        item.Cells.emplace_back(piece.Col - group.MinCol, piece.Row - group.MinRow);
    }
    return item;
}

// Smaller is better: middles covered, welcome, nearness to the group's sides of the field,
// then reading order of the place, which is the last: the place itself.
using Cost = std::tuple<int, int, int, int>;

class Layer {
public:
    explicit Layer(Grid& grid) : grid_(grid) {}

    // The best place of the item among those where it covers nobody's middle (or among all,
    // when `covering`); none when it does not fit the grid at all.
    std::optional<int> BestPlace(const Item& item, bool covering) {
        if (item.Cells.size() == 1 && !covering) {
            return FirstFreeCell(item);
        }
        std::optional<Cost> best;
        for (int r = 0; r + item.Rows <= grid_.Rows; ++r) {
            for (int c = 0; c + item.Columns <= grid_.Columns; ++c) {
                if (const std::optional<Cost> cost = CostAt(item, c, r, covering)) {
                    best = best ? std::min(*best, *cost) : *cost;
                }
            }
        }
        return best ? std::optional(std::get<3>(*best)) : std::nullopt;
    }

    void Take(const Item& item, int place) {
        for (const auto& [dc, dr] : item.Cells) {
            ++grid_.Middles[std::size_t(place + dr * grid_.Columns + dc)];
        }
    }

private:
    std::optional<Cost> CostAt(const Item& item, int c, int r, bool covering) const {
        int covered = 0, welcome = kOutside;
        for (const auto& [dc, dr] : item.Cells) {
            const std::size_t cell = std::size_t((r + dr) * grid_.Columns + c + dc);
            if (grid_.Middles[cell] > 0 && !covering) {
                return std::nullopt;
            }
            covered += grid_.Middles[cell];
            welcome = std::max(welcome, WelcomeFor(item.Sides, grid_.Welcome[cell]));
        }
        return Cost{covered, welcome, Distance(item, c, r), r * grid_.Columns + c};
    }

    // Edge pieces make for their side of the field, over the board's empty cells too.
    static int WelcomeFor(int sides, int welcome) {
        return sides != 0 && welcome == kEmptyBoard ? kOutside : welcome;
    }

    // How far the place lies from the group's sides of the field in cells, added up, less a
    // constant of the group's (its own size, the grid's): a corner group makes for its corner.
    static int Distance(const Item& item, int c, int r) {
        const auto has = [&item](Side side) { return int((item.Sides & side) != 0); };
        return r * has(kTop) - r * has(kBottom) + c * has(kLeft) - c * has(kRight);
    }

    // Single pieces take the cells in one order per set of sides; a cell once taken stays
    // taken, so each order is walked only once.
    std::optional<int> FirstFreeCell(const Item& item) {
        Order& order = orders_[item.Sides];
        if (order.cells.empty()) {
            // A single piece covers nobody: the cost of a cell without the middles covered.
            std::vector<std::tuple<int, int, int>> keyed;
            for (int r = 0; r < grid_.Rows; ++r) {
                for (int c = 0; c < grid_.Columns; ++c) {
                    const int cell = r * grid_.Columns + c;
                    keyed.emplace_back(WelcomeFor(item.Sides, grid_.Welcome[std::size_t(cell)]),
                                       Distance(item, c, r), cell);
                }
            }
            std::sort(keyed.begin(), keyed.end());
            for (const auto& key : keyed) {
                order.cells.push_back(std::get<2>(key));
            }
        }
        while (order.next < order.cells.size() &&
               grid_.Middles[std::size_t(order.cells[order.next])] > 0) {
            ++order.next;
        }
        if (order.next == order.cells.size()) {
            return std::nullopt;
        }
        return order.cells[order.next];
    }

    struct Order {
        std::vector<int> cells;
        std::size_t next = 0;
    };
    Grid& grid_;
    std::map<int, Order> orders_;
};

} // namespace

void ArrangeLooseGroups(Puzzle& puzzle, const ArrangeField& field) {
    Grid grid = MakeGrid(puzzle, field);
    std::vector<Item> items;
    for (int gi = 1; gi <= puzzle.GroupOrderCount; ++gi) {
        items.push_back(ItemOf(puzzle, puzzle.GroupOrder[gi], field.EdgesFirst));
    }
    // Edge groups first (Gather), big groups before small, corners before sides, then the
    // reading order of where they lie.
    std::ranges::stable_sort(items, std::less{}, [](const Item& item) {
        return std::tuple(item.Sides == 0, -int(item.Cells.size()),
                          -std::popcount(unsigned(item.Sides)), item.Y, item.X);
    });

    Layer layer(grid);
    std::vector<std::pair<const Item*, int>> laid;
    const auto lay = [&](const Item& item, bool covering) {
        const std::optional<int> place = layer.BestPlace(item, covering);
        if (place) {
            layer.Take(item, *place);
            laid.emplace_back(&item, *place);
        }
        return place.has_value();
    };
    std::vector<const Item*> waiting;
    for (const Item& item : items) {
        if (!lay(item, false)) {
            waiting.push_back(&item);
        }
    }
    for (const Item* item : waiting) {
        if (!lay(*item, true)) {
            return; // larger than the grid: a field smaller than the board
        }
    }
    // Gather draws the edge groups above the others.
    std::stable_partition(laid.begin(), laid.end(),
                          [](const auto& entry) { return entry.first->Sides == 0; });

    auto next = puzzle.GroupOrder.begin() + 1;
    for (const auto& [item, place] : laid) {
        const GroupRecord& group = puzzle.Groups[item->Group];
        const Long left = grid.Left + Long{place % grid.Columns} * puzzle.CellWidth;
        const Long top = grid.Top + Long{place / grid.Columns} * puzzle.CellHeight;
        for (int k = 1; k <= group.MemberCount; ++k) {
            PieceRecord& piece = puzzle.Pieces[group.Members[k]];
            piece.X = left + Long{piece.Col - group.MinCol} * puzzle.CellWidth - puzzle.TabWidth;
            piece.Y = top + Long{piece.Row - group.MinRow} * puzzle.CellHeight - puzzle.TabHeight;
        }
        *next++ = item->Group;
    }
}

} // namespace tess
