// Puzzle state files built by hand, byte by byte from the record layout, independently of
// the program's writer, and the games they hold.
#pragma once

#include "puzzle/cutting.h"
#include "puzzle/grid.h"

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <numeric>
#include <vector>

namespace tess::test {

inline constexpr int kRecord = 128;

// The low `size` bytes of the value, least significant first.
inline QByteArray LittleEndian(qint64 value, int size) {
    const qint64 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&little), size);
}
inline QByteArray I16(int value) { return LittleEndian(value, 2); }
inline QByteArray I32(qint64 value) { return LittleEndian(value, 4); }
template <typename... Values> QByteArray I16s(Values... values) { return (I16(values) + ...); }

// Where record `record` (from 1) starts.
inline qsizetype At(int record) { return qsizetype{record - 1} * kRecord; }

// The value followed by zero filler to the end of its record (or of the records it runs on to).
inline QByteArray Record(const QByteArray& value) {
    return value + QByteArray((kRecord - value.size() % kRecord) % kRecord, '\0');
}

// A game and the file that holds it.
struct HandGame : Puzzle {
    // The file ends right after the last value unless the last record is padded too.
    QByteArray Bytes(bool padLast = false) const {
        QByteArray b = PictureFileName.toLatin1();
        for (const int value : {NumberOfPieces, PuzzleColumns, PuzzleRows, PlacedCount}) {
            b += Record(I16(value));
        }
        for (int i = 1; i <= NumberOfPieces; ++i) {
            const PieceRecord& p = Pieces[i];
            const Rect& r = p.CellRect;
            b += Record(I16s(p.Col, p.Row, p.Group, p.JoinedTop, p.JoinedBottom, p.JoinedLeft,
                             p.JoinedRight, p.TopOut, p.BottomOut, p.LeftOut, p.RightOut) +
                        I32(p.X) + I32(p.Y) + I32(r.Left) + I32(r.Top) + I32(r.Right) +
                        I32(r.Bottom) + I16s(p.HomeX, p.HomeY));
            // 24 + 2 x MemberCount bytes: one dimension, element count, lower bound 0, the
            // elements from 0, then the count and the bounds.
            const GroupRecord& g = Groups[i];
            QByteArray group = I16s(g.InPlace, 1) + I32(g.MemberCount + 1) + I32(0);
            for (const Integer member : g.Members) {
                group += I16(member);
            }
            b += Record(group + I16s(g.MemberCount, g.MinCol, g.MaxCol, g.MinRow, g.MaxRow));
        }
        for (int k = 1; k <= PlacedCount; ++k) {
            b += Record(I16(PlacedPieces[k]));
        }
        b += Record(I16(GroupSlotCount)) + Record(I16(GroupOrderCount));
        for (int k = 1; k <= GroupOrderCount; ++k) {
            b += Record(I16(GroupOrder[k]));
        }
        return b + (padLast ? Record(I32(ElapsedSeconds)) : I32(ElapsedSeconds));
    }
};

// The cut of every hand-made game: cells of 80 x 60, tabs of 26 x 20, the board at (200, 100).
inline CutLayout HandLayout(Integer columns, Integer rows) {
    const Long width = columns * 80, height = rows * 60;
    return {width, height, 80, 60, 26, 20, 200, 100, Rect{200, 100, 200 + width, 100 + height}};
}

// A puzzle cut as HandLayout, piece 1 at home at (175, 81), knobs and sockets as every cut
// gives them. Piece i is in group slot slotOf[i - 1], joined to its neighbours in the same
// slot, a cell apart from them at (30, 20) x slot from its home; slot 0 means placed, on its
// home, in the order `placed`. An empty slot is in place when its own piece is placed.
inline HandGame Build(const QString& picture, Integer columns, Integer rows,
                      const std::vector<Integer>& slotOf, const std::vector<Integer>& placed,
                      const std::vector<Integer>& order, Long elapsed) {
    HandGame g;
    SetPictureFileName(g, picture);
    g.NumberOfPieces = g.GroupSlotCount = static_cast<Integer>(columns * rows);
    g.PuzzleColumns = columns;
    g.PuzzleRows = rows;
    NumberPieces(g);
    ApplyCutLayout(g, HandLayout(columns, rows));
    for (int i = 1; i <= g.NumberOfPieces; ++i) {
        PieceRecord& p = g.Pieces[i];
        p.Group = slotOf[i - 1];
        auto joined = [&](bool inside, int j) {
            return ToFlag(p.Group != 0 && inside && slotOf[j - 1] == p.Group);
        };
        p.JoinedTop = joined(p.Row > 0, i - columns);
        p.JoinedBottom = joined(p.Row < rows - 1, i + columns);
        p.JoinedLeft = joined(p.Col > 0, i - 1);
        p.JoinedRight = joined(p.Col < columns - 1, i + 1);
        p.X = p.HomeX + 30 * p.Group;
        p.Y = p.HomeY + 20 * p.Group;
        // A slot is numbered after its first member, so it is emptied before its members come.
        g.Groups[i] = {ToFlag(p.Group == 0), {0}, 0, p.Col, p.Col, p.Row, p.Row};
        if (p.Group != 0) {
            GroupRecord& group = g.Groups[p.Group];
            group.Members.push_back(static_cast<Integer>(i));
            group.MinCol = std::min(group.MinCol, p.Col);
            group.MaxCol = std::max(group.MaxCol, p.Col);
            group.MaxRow = p.Row;
            ++group.MemberCount;
        }
    }
    g.PlacedPieces.insert(g.PlacedPieces.end(), placed.begin(), placed.end());
    g.PlacedCount = static_cast<Integer>(placed.size());
    g.GroupOrder.insert(g.GroupOrder.end(), order.begin(), order.end());
    g.GroupOrderCount = static_cast<Integer>(order.size());
    g.GroupOrder.resize(g.NumberOfPieces + 1);
    g.ElapsedSeconds = elapsed;
    return g;
}

// A 2 x 2 puzzle just scrambled: four one-piece groups drawn in piece order, nothing placed.
inline HandGame FreshTwoByTwo(const QString& picture, Long elapsed = 0) {
    return Build(picture, 2, 2, {1, 2, 3, 4}, {}, {1, 2, 3, 4}, elapsed);
}

// The same puzzle finished: every piece placed, every slot in its empty 24-byte form.
inline HandGame FinishedTwoByTwo(const QString& picture) {
    return Build(picture, 2, 2, {0, 0, 0, 0}, {4, 1, 2, 3}, {}, 0);
}

// A 3 x 2 puzzle in play: {1, 2} and {5, 6} joined, piece 3 placed, piece 4 alone;
// slots 2 and 6 absorbed, slot 3 placed; drawing order 4, 1, 5; 754 seconds played.
inline HandGame MidGameThreeByTwo(const QString& picture) {
    return Build(picture, 3, 2, {1, 1, 0, 4, 5, 5}, {3}, {4, 1, 5}, 754);
}

// A puzzle in which pieces 1 to `joined` form group 1 and the rest lie alone.
inline HandGame GridWithOneBigGroup(Integer columns, Integer rows, Integer joined) {
    std::vector<Integer> slotOf(columns * rows), order(columns * rows - joined + 1, 1);
    std::iota(slotOf.begin(), slotOf.end(), Integer{1});
    std::fill_n(slotOf.begin(), joined, Integer{1});
    std::iota(order.begin() + 1, order.end(), static_cast<Integer>(joined + 1));
    return Build("/p/big.bmp", columns, rows, slotOf, {}, order, 0);
}

} // namespace tess::test
