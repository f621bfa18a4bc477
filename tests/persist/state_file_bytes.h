// Puzzle state files built by hand, byte by byte from the record layout, independently of
// the program's writer, and the games they hold.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace tess::test {

inline constexpr int kRecord = 128;

inline QByteArray I16(int value) {
    QByteArray b(2, '\0');
    b[0] = static_cast<char>(value & 0xFF);
    b[1] = static_cast<char>((value >> 8) & 0xFF);
    return b;
}

inline QByteArray I32(qint64 value) {
    QByteArray b(4, '\0');
    for (int k = 0; k < 4; ++k) {
        b[k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    return b;
}

inline void PutI16(QByteArray& bytes, qsizetype offset, int value) {
    bytes.replace(offset, 2, I16(value));
}

inline void PutI32(QByteArray& bytes, qsizetype offset, qint64 value) {
    bytes.replace(offset, 4, I32(value));
}

// The value followed by zero filler to the end of its record.
inline QByteArray Record(const QByteArray& value) {
    return value + QByteArray(kRecord - value.size(), '\0');
}

// The picture path field: one byte per character, space-padded to 128, cut at 128.
inline QByteArray PathField(const QString& path) {
    QByteArray field = path.toLatin1().left(128);
    return field + QByteArray(128 - field.size(), ' ');
}

struct HandPiece {
    int Col, Row, Group;
    int JoinedTop, JoinedBottom, JoinedLeft, JoinedRight;
    int TopOut, BottomOut, LeftOut, RightOut;
    qint32 X, Y;
    qint32 CellLeft, CellTop, CellRight, CellBottom;
    int HomeX, HomeY;

    QByteArray Bytes() const {
        return I16(Col) + I16(Row) + I16(Group) + I16(JoinedTop) + I16(JoinedBottom) +
               I16(JoinedLeft) + I16(JoinedRight) + I16(TopOut) + I16(BottomOut) + I16(LeftOut) +
               I16(RightOut) + I32(X) + I32(Y) + I32(CellLeft) + I32(CellTop) + I32(CellRight) +
               I32(CellBottom) + I16(HomeX) + I16(HomeY);
    }
};

struct HandGroup {
    int InPlace;
    std::vector<int> Members; // without element 0
    int MinCol, MaxCol, MinRow, MaxRow;

    QByteArray Bytes() const {
        const int count = static_cast<int>(Members.size());
        QByteArray b = I16(InPlace) + I16(1) + I32(count + 1) + I32(0) + I16(0);
        for (const int m : Members) {
            b += I16(m);
        }
        return b + I16(count) + I16(MinCol) + I16(MaxCol) + I16(MinRow) + I16(MaxRow);
    }
};

struct HandGame {
    QByteArray Path; // the 128-byte field
    int Pieces, Columns, Rows;
    std::vector<HandPiece> PieceRecords;
    std::vector<HandGroup> GroupRecords;
    std::vector<int> Placed;
    int GroupSlotCount;
    std::vector<int> Order;
    qint32 ElapsedSeconds;

    int RecordCount() const {
        return 8 + 2 * Pieces + static_cast<int>(Placed.size() + Order.size());
    }

    // The file ends right after the last value unless the last record is padded too.
    QByteArray Bytes(bool padLast = false) const {
        QByteArray b = Path + Record(I16(Pieces)) + Record(I16(Columns)) + Record(I16(Rows)) +
                       Record(I16(static_cast<int>(Placed.size())));
        for (int i = 0; i < Pieces; ++i) {
            b += Record(PieceRecords[i].Bytes());
            b += Record(GroupRecords[i].Bytes());
        }
        for (const int p : Placed) {
            b += Record(I16(p));
        }
        b += Record(I16(GroupSlotCount)) + Record(I16(static_cast<int>(Order.size())));
        for (const int g : Order) {
            b += Record(I16(g));
        }
        return b + (padLast ? Record(I32(ElapsedSeconds)) : I32(ElapsedSeconds));
    }

    // Byte offsets of the records, for damaging a file in chosen places.
    static qsizetype RecordOffset(int record) { return qsizetype{record - 1} * kRecord; }
    static qsizetype PieceOffset(int i) { return RecordOffset(6 + 2 * (i - 1)); }
    static qsizetype GroupOffset(int i) { return RecordOffset(7 + 2 * (i - 1)); }
    qsizetype PlacedOffset(int k) const { return RecordOffset(5 + 2 * Pieces + k); }
    qsizetype SlotCountOffset() const {
        return RecordOffset(6 + 2 * Pieces + static_cast<int>(Placed.size()));
    }
    qsizetype OrderCountOffset() const { return SlotCountOffset() + kRecord; }
    qsizetype OrderOffset(int k) const { return OrderCountOffset() + qsizetype{k} * kRecord; }
    qsizetype ElapsedOffset() const { return RecordOffset(RecordCount()); }
};

// Cell 80 x 60 with knobs of 26 x 20 and the board at (200, 100): home of a piece surface.
inline int HandHomeX(int col) { return 200 + 1 + col * 80 - 26; }
inline int HandHomeY(int row) { return 100 + 1 + row * 60 - 20; }

inline HandPiece MakeHandPiece(int col, int row, int group, int top, int bottom, int left,
                               int right, qint32 x, qint32 y) {
    const int noJoin = 0;
    return HandPiece{col,
                     row,
                     group,
                     noJoin,
                     noJoin,
                     noJoin,
                     noJoin,
                     top,
                     bottom,
                     left,
                     right,
                     x,
                     y,
                     col * 80,
                     row * 60,
                     col * 80 + 80,
                     row * 60 + 60,
                     HandHomeX(col),
                     HandHomeY(row)};
}

// A 2 x 2 puzzle just scrambled: four one-piece groups drawn in piece order, nothing placed.
// Knobs follow the checkerboard: even pieces out left and right, odd ones out top and bottom,
// border sides straight.
inline HandGame FreshTwoByTwo(const QString& picture, qint32 elapsed = 0) {
    HandGame g{PathField(picture), 4, 2, 2, {}, {}, {}, 4, {1, 2, 3, 4}, elapsed};
    g.PieceRecords = {
        MakeHandPiece(0, 0, 1, -1, 0, -1, -1, 310, 40),
        MakeHandPiece(1, 0, 2, -1, -1, 0, -1, 30, 220),
        MakeHandPiece(0, 1, 3, -1, -1, -1, 0, 520, 330),
        MakeHandPiece(1, 1, 4, 0, -1, -1, -1, 150, 90),
    };
    g.GroupRecords = {
        {0, {1}, 0, 0, 0, 0},
        {0, {2}, 1, 1, 0, 0},
        {0, {3}, 0, 0, 1, 1},
        {0, {4}, 1, 1, 1, 1},
    };
    return g;
}

// The same puzzle finished: every piece placed (1 and 2 were joined first, so slot 2 was
// absorbed and keeps InPlace false), every slot in its empty 24-byte form.
inline HandGame FinishedTwoByTwo(const QString& picture) {
    HandGame g = FreshTwoByTwo(picture);
    for (int i = 0; i < 4; ++i) {
        HandPiece& p = g.PieceRecords[i];
        p.Group = 0;
        p.X = p.HomeX;
        p.Y = p.HomeY;
    }
    g.PieceRecords[0].JoinedRight = -1;
    g.PieceRecords[1].JoinedLeft = -1;
    g.GroupRecords = {
        {-1, {}, 0, 1, 0, 0},
        {0, {}, 1, 1, 0, 0},
        {-1, {}, 0, 0, 1, 1},
        {-1, {}, 1, 1, 1, 1},
    };
    g.Placed = {4, 1, 2, 3};
    g.Order = {};
    return g;
}

// A 3 x 2 puzzle in play: {1, 2} and {5, 6} joined, piece 3 placed, piece 4 alone;
// slots 2 and 6 absorbed, slot 3 placed; drawing order 4, 1, 5; 754 seconds played.
inline HandGame MidGameThreeByTwo(const QString& picture) {
    HandGame g{PathField(picture), 6, 3, 2, {}, {}, {3}, 6, {4, 1, 5}, 754};
    g.PieceRecords = {
        MakeHandPiece(0, 0, 1, -1, 0, -1, -1, 300, 50),
        MakeHandPiece(1, 0, 1, -1, -1, 0, 0, 380, 50),
        MakeHandPiece(2, 0, 0, -1, 0, -1, -1, HandHomeX(2), HandHomeY(0)),
        MakeHandPiece(0, 1, 4, -1, -1, -1, 0, 40, 400),
        MakeHandPiece(1, 1, 5, 0, -1, -1, -1, 500, 300),
        MakeHandPiece(2, 1, 5, -1, -1, 0, -1, 580, 300),
    };
    g.PieceRecords[0].JoinedRight = -1;
    g.PieceRecords[1].JoinedLeft = -1;
    g.PieceRecords[4].JoinedRight = -1;
    g.PieceRecords[5].JoinedLeft = -1;
    g.GroupRecords = {
        {0, {1, 2}, 0, 1, 0, 0}, {0, {}, 1, 1, 0, 0},     {-1, {}, 2, 2, 0, 0},
        {0, {4}, 0, 0, 1, 1},    {0, {5, 6}, 1, 2, 1, 1}, {0, {}, 2, 2, 1, 1},
    };
    return g;
}

} // namespace tess::test
