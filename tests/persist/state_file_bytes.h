// Puzzle state files built by hand, byte by byte from the record layout, independently of
// the program's writer, and the games they hold.
#pragma once

#include "puzzle/model.h"

#include <QByteArray>
#include <QPoint>
#include <algorithm>
#include <vector>

namespace tess::test {

inline constexpr int kRecord = 128;

inline QByteArray LittleEndian(qint64 value, int size) {
    QByteArray b(size, '\0');
    for (int k = 0; k < size; ++k) {
        b[k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    return b;
}
inline QByteArray I16(int value) { return LittleEndian(value, 2); }
inline QByteArray I32(qint64 value) { return LittleEndian(value, 4); }

// Where record `record` (from 1) starts; piece i is record 6 + 2 (i - 1), its group slot next
// while no group runs on.
inline qsizetype At(int record) { return qsizetype{record - 1} * kRecord; }

// The value followed by zero filler to the end of its record; a value longer than a record
// runs on into the following ones.
inline QByteArray Record(const QByteArray& value) {
    return value + QByteArray((kRecord - value.size() % kRecord) % kRecord, '\0');
}

// The 50-byte piece record.
inline QByteArray PieceBytes(const PieceRecord& p) {
    return I16(p.Col) + I16(p.Row) + I16(p.Group) + I16(p.JoinedTop) + I16(p.JoinedBottom) +
           I16(p.JoinedLeft) + I16(p.JoinedRight) + I16(p.TopOut) + I16(p.BottomOut) +
           I16(p.LeftOut) + I16(p.RightOut) + I32(p.X) + I32(p.Y) + I32(p.CellRect.Left) +
           I32(p.CellRect.Top) + I32(p.CellRect.Right) + I32(p.CellRect.Bottom) + I16(p.HomeX) +
           I16(p.HomeY);
}

// The group record of 24 + 2 x MemberCount bytes: one dimension, its element count and
// lower bound 0, the elements from 0, then the count and the bounds.
inline QByteArray GroupBytes(const GroupRecord& g) {
    const int elements = static_cast<int>(g.Members.size());
    QByteArray b = I16(g.InPlace) + I16(1) + I32(elements) + I32(0);
    for (const Integer m : g.Members) {
        b += I16(m);
    }
    return b + I16(elements - 1) + I16(g.MinCol) + I16(g.MaxCol) + I16(g.MinRow) + I16(g.MaxRow);
}

// A game and the file that holds it.
struct HandGame : Puzzle {
    // The file ends right after the last value unless the last record is padded too.
    QByteArray Bytes(bool padLast = false) const {
        QByteArray b = PictureFileName.toLatin1() + Record(I16(NumberOfPieces)) +
                       Record(I16(PuzzleColumns)) + Record(I16(PuzzleRows)) +
                       Record(I16(PlacedCount));
        for (int i = 1; i <= NumberOfPieces; ++i) {
            b += Record(PieceBytes(Pieces[i])) + Record(GroupBytes(Groups[i]));
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

// A puzzle cut into cells of 80 x 60 with knobs of 26 x 20 on a board at (200, 100), knobs
// and sockets in the checkerboard of every cut: even pieces out left and right, odd ones out
// top and bottom, border sides straight. Piece i lies at at[i - 1] (or at (0, 0)) in group
// slot slotOf[i - 1], joined to its neighbours in the same slot; slot 0 means placed, on
// its home, in the order `placed`. An empty slot is in place when its own piece is placed.
inline HandGame Build(const QString& picture, Integer columns, Integer rows,
                      const std::vector<Integer>& slotOf, const std::vector<QPoint>& at,
                      const std::vector<Integer>& placed, const std::vector<Integer>& order,
                      Long elapsed) {
    HandGame g;
    SetPictureFileName(g, picture);
    const int n = columns * rows;
    g.NumberOfPieces = g.GroupSlotCount = static_cast<Integer>(n);
    g.PuzzleColumns = columns;
    g.PuzzleRows = rows;
    g.Pieces.resize(n + 1);
    g.Groups.resize(n + 1);
    auto joined = [&](int i, bool neighbour, int j) {
        return ToFlag(slotOf[i - 1] != 0 && neighbour && slotOf[j - 1] == slotOf[i - 1]);
    };
    for (int i = 1; i <= n; ++i) {
        PieceRecord& p = g.Pieces[i];
        p.Col = static_cast<Integer>((i - 1) % columns);
        p.Row = static_cast<Integer>((i - 1) / columns);
        p.Group = slotOf[i - 1];
        const bool even = (p.Col + p.Row) % 2 == 0;
        p.TopOut = ToFlag(!even || p.Row == 0);
        p.BottomOut = ToFlag(!even || p.Row == rows - 1);
        p.LeftOut = ToFlag(even || p.Col == 0);
        p.RightOut = ToFlag(even || p.Col == columns - 1);
        p.JoinedTop = joined(i, p.Row > 0, i - columns);
        p.JoinedBottom = joined(i, p.Row < rows - 1, i + columns);
        p.JoinedLeft = joined(i, p.Col > 0, i - 1);
        p.JoinedRight = joined(i, p.Col < columns - 1, i + 1);
        p.CellRect = {p.Col * 80, p.Row * 60, p.Col * 80 + 80, p.Row * 60 + 60};
        p.HomeX = static_cast<Integer>(175 + p.Col * 80);
        p.HomeY = static_cast<Integer>(81 + p.Row * 60);
        const QPoint spot = p.Group == 0 ? QPoint(p.HomeX, p.HomeY)
                            : at.empty() ? QPoint()
                                         : at[i - 1];
        p.X = spot.x();
        p.Y = spot.y();
        g.Groups[i] = {ToFlag(p.Group == 0), {0}, 0, p.Col, p.Col, p.Row, p.Row};
    }
    for (int i = 1; i <= n; ++i) {
        if (slotOf[i - 1] == 0) {
            continue;
        }
        GroupRecord& group = g.Groups[slotOf[i - 1]];
        const PieceRecord& p = g.Pieces[i];
        if (group.MemberCount++ == 0) {
            group = {kFalse, {0}, 1, p.Col, p.Col, p.Row, p.Row};
        }
        group.Members.push_back(static_cast<Integer>(i));
        group.MinCol = std::min(group.MinCol, p.Col);
        group.MaxCol = std::max(group.MaxCol, p.Col);
        group.MaxRow = p.Row;
    }
    g.PlacedPieces.insert(g.PlacedPieces.end(), placed.begin(), placed.end());
    g.PlacedCount = static_cast<Integer>(placed.size());
    g.GroupOrder.insert(g.GroupOrder.end(), order.begin(), order.end());
    g.GroupOrderCount = static_cast<Integer>(order.size());
    g.GroupOrder.resize(n + 1);
    g.ElapsedSeconds = elapsed;
    return g;
}

// A 2 x 2 puzzle just scrambled: four one-piece groups drawn in piece order, nothing placed.
inline HandGame FreshTwoByTwo(const QString& picture, Long elapsed = 0) {
    return Build(picture, 2, 2, {1, 2, 3, 4}, {{310, 40}, {30, 220}, {520, 330}, {150, 90}}, {},
                 {1, 2, 3, 4}, elapsed);
}

// The same puzzle finished: every piece placed, every slot in its empty 24-byte form.
inline HandGame FinishedTwoByTwo(const QString& picture) {
    return Build(picture, 2, 2, {0, 0, 0, 0}, {}, {4, 1, 2, 3}, {}, 0);
}

// A 3 x 2 puzzle in play: {1, 2} and {5, 6} joined, piece 3 placed, piece 4 alone;
// slots 2 and 6 absorbed, slot 3 placed; drawing order 4, 1, 5; 754 seconds played.
inline HandGame MidGameThreeByTwo(const QString& picture) {
    return Build(picture, 3, 2, {1, 1, 0, 4, 5, 5},
                 {{300, 50}, {380, 50}, {}, {40, 400}, {500, 300}, {580, 300}}, {3}, {4, 1, 5},
                 754);
}

// A puzzle in which pieces 1 to `joined` form group 1 and the rest lie alone.
inline HandGame GridWithOneBigGroup(Integer columns, Integer rows, Integer joined) {
    std::vector<Integer> slotOf, order{1};
    for (int i = 1; i <= columns * rows; ++i) {
        slotOf.push_back(static_cast<Integer>(i <= joined ? 1 : i));
        if (i > joined) {
            order.push_back(static_cast<Integer>(i));
        }
    }
    return Build("/p/big.bmp", columns, rows, slotOf, {}, {}, order, 0);
}

} // namespace tess::test
