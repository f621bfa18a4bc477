// Puzzle state files built by hand, byte by byte from the record layout, independently of
// the program's writer, and the games they hold.
#pragma once

#include "puzzle/model.h"

#include <QByteArray>
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
inline void PutI16(QByteArray& b, qsizetype at, int value) { b.replace(at, 2, I16(value)); }
inline void PutI32(QByteArray& b, qsizetype at, qint64 value) { b.replace(at, 4, I32(value)); }

// Where record `record` (from 1) starts; piece i is record 6 + 2 (i - 1), its group slot next.
inline qsizetype At(int record) { return qsizetype{record - 1} * kRecord; }

// The value followed by zero filler to the end of its record.
inline QByteArray Record(const QByteArray& value) {
    return value + QByteArray(kRecord - value.size(), '\0');
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
    int RecordCount() const { return 8 + 2 * NumberOfPieces + PlacedCount + GroupOrderCount; }

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

// A piece of a cut with cells of 80 x 60, knobs of 26 x 20 and the board at (200, 100),
// lying at (x, y), joined to nothing.
inline PieceRecord HandPiece(Integer col, Integer row, Integer group, Flag top, Flag bottom,
                             Flag left, Flag right, Long x, Long y) {
    return {col,
            row,
            group,
            kFalse,
            kFalse,
            kFalse,
            kFalse,
            top,
            bottom,
            left,
            right,
            x,
            y,
            Rect{col * 80, row * 60, col * 80 + 80, row * 60 + 60},
            static_cast<Integer>(175 + col * 80),
            static_cast<Integer>(81 + row * 60)};
}

inline GroupRecord HandGroup(std::vector<Integer> members, Integer minCol, Integer maxCol,
                             Integer minRow, Integer maxRow, Flag inPlace = kFalse) {
    members.insert(members.begin(), 0);
    const auto count = static_cast<Integer>(members.size() - 1);
    return {inPlace, members, count, minCol, maxCol, minRow, maxRow};
}

inline HandGame Grid(const QString& picture, Integer columns, Integer rows) {
    HandGame g;
    SetPictureFileName(g, picture);
    g.NumberOfPieces = static_cast<Integer>(columns * rows);
    g.PuzzleColumns = columns;
    g.PuzzleRows = rows;
    g.GroupSlotCount = g.NumberOfPieces;
    return g;
}

// A 2 x 2 puzzle just scrambled: four one-piece groups drawn in piece order, nothing placed.
// Knobs follow the checkerboard: even pieces out left and right, odd ones out top and bottom,
// border sides straight.
inline HandGame FreshTwoByTwo(const QString& picture, Long elapsed = 0) {
    HandGame g = Grid(picture, 2, 2);
    g.Pieces = {{},
                HandPiece(0, 0, 1, -1, 0, -1, -1, 310, 40),
                HandPiece(1, 0, 2, -1, -1, 0, -1, 30, 220),
                HandPiece(0, 1, 3, -1, -1, -1, 0, 520, 330),
                HandPiece(1, 1, 4, 0, -1, -1, -1, 150, 90)};
    g.Groups = {{},
                HandGroup({1}, 0, 0, 0, 0),
                HandGroup({2}, 1, 1, 0, 0),
                HandGroup({3}, 0, 0, 1, 1),
                HandGroup({4}, 1, 1, 1, 1)};
    g.GroupOrder = {0, 1, 2, 3, 4};
    g.GroupOrderCount = 4;
    g.ElapsedSeconds = elapsed;
    return g;
}

// The same puzzle finished: every piece placed (1 and 2 were joined first, so slot 2 was
// absorbed and keeps InPlace false), every slot in its empty 24-byte form.
inline HandGame FinishedTwoByTwo(const QString& picture) {
    HandGame g = FreshTwoByTwo(picture);
    for (int i = 1; i <= 4; ++i) {
        PieceRecord& p = g.Pieces[i];
        p.Group = 0;
        p.X = p.HomeX;
        p.Y = p.HomeY;
    }
    g.Pieces[1].JoinedRight = g.Pieces[2].JoinedLeft = kTrue;
    g.Groups = {{},
                HandGroup({}, 0, 1, 0, 0, kTrue),
                HandGroup({}, 1, 1, 0, 0),
                HandGroup({}, 0, 0, 1, 1, kTrue),
                HandGroup({}, 1, 1, 1, 1, kTrue)};
    g.PlacedPieces = {0, 4, 1, 2, 3};
    g.PlacedCount = 4;
    g.GroupOrder = {0, 0, 0, 0, 0};
    g.GroupOrderCount = 0;
    return g;
}

// A 3 x 2 puzzle in play: {1, 2} and {5, 6} joined, piece 3 placed, piece 4 alone;
// slots 2 and 6 absorbed, slot 3 placed; drawing order 4, 1, 5; 754 seconds played.
inline HandGame MidGameThreeByTwo(const QString& picture) {
    HandGame g = Grid(picture, 3, 2);
    g.Pieces = {{},
                HandPiece(0, 0, 1, -1, 0, -1, -1, 300, 50),
                HandPiece(1, 0, 1, -1, -1, 0, 0, 380, 50),
                HandPiece(2, 0, 0, -1, 0, -1, -1, 335, 81),
                HandPiece(0, 1, 4, -1, -1, -1, 0, 40, 400),
                HandPiece(1, 1, 5, 0, -1, -1, -1, 500, 300),
                HandPiece(2, 1, 5, -1, -1, 0, -1, 580, 300)};
    g.Pieces[1].JoinedRight = g.Pieces[2].JoinedLeft = kTrue;
    g.Pieces[5].JoinedRight = g.Pieces[6].JoinedLeft = kTrue;
    g.Groups = {{},
                HandGroup({1, 2}, 0, 1, 0, 0),
                HandGroup({}, 1, 1, 0, 0),
                HandGroup({}, 2, 2, 0, 0, kTrue),
                HandGroup({4}, 0, 0, 1, 1),
                HandGroup({5, 6}, 1, 2, 1, 1),
                HandGroup({}, 2, 2, 1, 1)};
    g.PlacedPieces = {0, 3};
    g.PlacedCount = 1;
    g.GroupOrder = {0, 4, 1, 5, 0, 0, 0};
    g.GroupOrderCount = 3;
    g.ElapsedSeconds = 754;
    return g;
}

// A puzzle of whole rows in which pieces 1 to `joined` (at least a row) form group 1 and
// every other piece lies alone.
inline HandGame GridWithOneBigGroup(Integer columns, Integer rows, int joined) {
    HandGame g = Grid("/p/big.bmp", columns, rows);
    g.Pieces.resize(g.NumberOfPieces + 1);
    g.Groups.resize(g.NumberOfPieces + 1);
    g.GroupOrder.assign(g.NumberOfPieces + 1, 0);
    for (int i = 1; i <= g.NumberOfPieces; ++i) {
        const auto col = static_cast<Integer>((i - 1) % columns);
        const auto row = static_cast<Integer>((i - 1) / columns);
        const bool even = (col + row) % 2 == 0;
        const auto group = static_cast<Integer>(i <= joined ? 1 : i);
        g.Pieces[i] =
            HandPiece(col, row, group, ToFlag(!even || row == 0), ToFlag(!even || row == rows - 1),
                      ToFlag(even || col == 0), ToFlag(even || col == columns - 1), 0, 0);
        if (group == i) {
            g.Groups[i] = HandGroup({}, col, col, row, row);
            g.GroupOrder[++g.GroupOrderCount] = group;
        }
        g.Groups[group].Members.push_back(static_cast<Integer>(i));
        ++g.Groups[group].MemberCount;
    }
    g.Groups[1].MaxCol = static_cast<Integer>(columns - 1);
    g.Groups[1].MaxRow = static_cast<Integer>((joined - 1) / columns);
    return g;
}

} // namespace tess::test
