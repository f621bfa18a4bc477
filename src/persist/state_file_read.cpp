// Reading the puzzle state file, checking every record before it can reach the model.
#include "persist/state_file.h"
#include "persist/state_file_records.h"
#include "persist/windows_1252.h"

#include <QCoreApplication>
#include <algorithm>

namespace tess {

using namespace state_records;

namespace {

Integer ReadCount(const RecordReader& reader, int record, const QString& what, int low, int high,
                  const QString& highName) {
    const Integer value = GetInteger(reader.Value(record, 2, what), 0);
    if (value < low || value > high) {
        Fail(QCoreApplication::translate("StateFile", "%1 is %2, outside %3 to %4")
                 .arg(what)
                 .arg(value)
                 .arg(low)
                 .arg(highName.isEmpty() ? QString::number(high)
                                         : QStringLiteral("%1 (%2)").arg(high).arg(highName)));
    }
    return value;
}

PieceRecord ReadPiece(const RecordReader& reader, int record, int i, const SavedGame& game) {
    const QString name = PieceName(i);
    const uchar* v = reader.Value(record, kStatePieceRecordSize, name);
    PieceRecord p;
    p.Col = GetInteger(v, 0);
    p.Row = GetInteger(v, 2);
    p.Group = GetInteger(v, 4);
    p.JoinedTop = GetFlag(v, 6, name, "JoinedTop");
    p.JoinedBottom = GetFlag(v, 8, name, "JoinedBottom");
    p.JoinedLeft = GetFlag(v, 10, name, "JoinedLeft");
    p.JoinedRight = GetFlag(v, 12, name, "JoinedRight");
    p.TopOut = GetFlag(v, 14, name, "TopOut");
    p.BottomOut = GetFlag(v, 16, name, "BottomOut");
    p.LeftOut = GetFlag(v, 18, name, "LeftOut");
    p.RightOut = GetFlag(v, 20, name, "RightOut");
    p.X = GetLong(v, 22);
    p.Y = GetLong(v, 26);
    p.CellRect = {GetLong(v, 30), GetLong(v, 34), GetLong(v, 38), GetLong(v, 42)};
    p.HomeX = GetInteger(v, 46);
    p.HomeY = GetInteger(v, 48);

    const int col = (i - 1) % game.PuzzleColumns;
    const int row = (i - 1) / game.PuzzleColumns;
    if (p.Col != col || p.Row != row) {
        Fail(QCoreApplication::translate(
                 "StateFile",
                 "%1 is stored at column %2, row %3, but its place is column %4, row %5")
                 .arg(name)
                 .arg(p.Col)
                 .arg(p.Row)
                 .arg(col)
                 .arg(row));
    }
    if (p.Group < 0 || p.Group > game.NumberOfPieces) {
        Fail(QCoreApplication::translate("StateFile", "%1 names group slot %2, outside 0 to %3")
                 .arg(name)
                 .arg(p.Group)
                 .arg(game.NumberOfPieces));
    }
    const Sides sides = ShapeOf(col, row, game.PuzzleColumns, game.PuzzleRows);
    if (p.TopOut != sides.Top || p.BottomOut != sides.Bottom || p.LeftOut != sides.Left ||
        p.RightOut != sides.Right) {
        Fail(QCoreApplication::translate(
                 "StateFile", "%1 has knobs and sockets that do not match its place in the grid")
                 .arg(name));
    }
    // Positions are multiplied by the play field's size when it changes; keeping them in
    // 16 bits keeps that product in range.
    constexpr Long kFar = 32767;
    if (p.X < -kFar - 1 || p.X > kFar || p.Y < -kFar - 1 || p.Y > kFar) {
        Fail(QCoreApplication::translate("StateFile",
                                         "%1 lies at (%2, %3), far outside any play field")
                 .arg(name)
                 .arg(p.X)
                 .arg(p.Y));
    }
    return p;
}

// Reads the group record starting at `record`; a group of more than 52 members runs on into
// the following records. `held` counts the members of the groups read so far.
GroupRecord ReadGroup(const RecordReader& reader, int record, int g, const SavedGame& game,
                      int& held) {
    const QString name = GroupName(g);
    const uchar* head = reader.Value(record, 12, name);
    GroupRecord group;
    group.InPlace = GetFlag(head, 0, name, "InPlace");
    const Integer dimensions = GetInteger(head, 2);
    const Long elements = GetLong(head, 4);
    const Long lowerBound = GetLong(head, 8);
    if (dimensions != 1) {
        Fail(QCoreApplication::translate("StateFile",
                                         "%1 has a member list of %2 dimensions instead of 1")
                 .arg(name)
                 .arg(dimensions));
    }
    if (elements < 1 || elements > game.NumberOfPieces + 1) {
        Fail(QCoreApplication::translate(
                 "StateFile", "%1 has a member list of %2 elements, where a puzzle of %3 pieces "
                              "allows 1 to %4")
                 .arg(name)
                 .arg(elements)
                 .arg(game.NumberOfPieces)
                 .arg(game.NumberOfPieces + 1));
    }
    if (lowerBound != 0) {
        Fail(QCoreApplication::translate("StateFile",
                                         "%1 has a member list starting at index %2 instead of 0")
                 .arg(name)
                 .arg(lowerBound));
    }
    const int count = elements - 1;
    // This also bounds the records the groups can take, and so the file's size.
    held += count;
    if (held > game.NumberOfPieces - game.PlacedCount) {
        Fail(QCoreApplication::translate(
                 "StateFile", "the groups up to %1 hold %2 pieces, more than the %3 not placed")
                 .arg(name)
                 .arg(held)
                 .arg(game.NumberOfPieces - game.PlacedCount));
    }
    const uchar* v = reader.Value(record, kGroupRecordFixedSize + 2 * count, name);
    group.Members.assign(elements, 0);
    for (int k = 0; k <= count; ++k) {
        group.Members[k] = GetInteger(v, 12 + 2 * k);
    }
    group.MemberCount = GetInteger(v, 14 + 2 * count);
    group.MinCol = GetInteger(v, 16 + 2 * count);
    group.MaxCol = GetInteger(v, 18 + 2 * count);
    group.MinRow = GetInteger(v, 20 + 2 * count);
    group.MaxRow = GetInteger(v, 22 + 2 * count);

    if (group.Members[0] != 0) {
        Fail(QCoreApplication::translate("StateFile",
                                         "%1 holds %2 in element 0 of its member list instead of 0")
                 .arg(name)
                 .arg(group.Members[0]));
    }
    if (group.MemberCount != count) {
        Fail(QCoreApplication::translate("StateFile",
                                         "%1 counts %2 members but its member list holds %3")
                 .arg(name)
                 .arg(group.MemberCount)
                 .arg(count));
    }
    for (int k = 1; k <= count; ++k) {
        const Integer m = group.Members[k];
        if (m < 1 || m > game.NumberOfPieces) {
            Fail(QCoreApplication::translate("StateFile", "%1 lists piece %2, outside 1 to %3")
                     .arg(name)
                     .arg(m)
                     .arg(game.NumberOfPieces));
        }
        if (k > 1 && m <= group.Members[k - 1]) {
            Fail(QCoreApplication::translate("StateFile",
                                             "the members of %1 are not in ascending order")
                     .arg(name));
        }
    }
    if (count > 0) {
        // Members are ascending piece numbers, so their columns and rows follow from them.
        int minCol = game.PuzzleColumns, maxCol = -1, minRow = game.PuzzleRows, maxRow = -1;
        for (int k = 1; k <= count; ++k) {
            const int col = (group.Members[k] - 1) % game.PuzzleColumns;
            const int row = (group.Members[k] - 1) / game.PuzzleColumns;
            minCol = std::min(minCol, col);
            maxCol = std::max(maxCol, col);
            minRow = std::min(minRow, row);
            maxRow = std::max(maxRow, row);
        }
        if (group.MinCol != minCol || group.MaxCol != maxCol || group.MinRow != minRow ||
            group.MaxRow != maxRow) {
            Fail(QCoreApplication::translate(
                     "StateFile", "the column and row bounds of %1 do not match its members")
                     .arg(name));
        }
        if (group.InPlace != kFalse) {
            Fail(QCoreApplication::translate("StateFile",
                                             "%1 holds pieces but is marked as fixed in place")
                     .arg(name));
        }
    }
    return group;
}

SavedGame ReadAll(const QByteArray& bytes) {
    const RecordReader reader(bytes);
    SavedGame game;
    const uchar* path = reader.Value(1, kPictureFileNameLength,
                                     QCoreApplication::translate("StateFile", "the picture path"));
    QByteArrayView field(path, kPictureFileNameLength);
    while (field.endsWith(' ')) {
        field.chop(1);
    }
    game.PicturePath = FromWindows1252(field);
    game.NumberOfPieces =
        ReadCount(reader, 2, QCoreApplication::translate("StateFile", "the number of pieces"), 1,
                  kStateMaxPieces, QString());
    const int n = game.NumberOfPieces;
    game.PuzzleColumns =
        ReadCount(reader, 3, QCoreApplication::translate("StateFile", "the number of columns"), 1,
                  n, QString());
    game.PuzzleRows = ReadCount(
        reader, 4, QCoreApplication::translate("StateFile", "the number of rows"), 1, n, QString());
    if (game.PuzzleColumns * game.PuzzleRows != n) {
        Fail(QCoreApplication::translate("StateFile",
                                         "a grid of %1 columns and %2 rows does not hold %3 pieces")
                 .arg(game.PuzzleColumns)
                 .arg(game.PuzzleRows)
                 .arg(n));
    }
    game.PlacedCount = ReadCount(
        reader, 5, QCoreApplication::translate("StateFile", "the number of placed pieces"), 0, n,
        QCoreApplication::translate("StateFile", "the number of pieces"));

    game.Pieces.assign(n + 1, PieceRecord{});
    game.Groups.assign(n + 1, GroupRecord{});
    int record = 6;
    int held = 0;
    for (int i = 1; i <= n; ++i) {
        game.Pieces[i] = ReadPiece(reader, record++, i, game);
        game.Groups[i] = ReadGroup(reader, record, i, game, held);
        record += GroupRecordSpan(game.Groups[i].MemberCount);
    }
    game.PlacedPieces.assign(game.PlacedCount + 1, 0);
    for (int i = 1; i <= game.PlacedCount; ++i) {
        const QString what =
            QCoreApplication::translate("StateFile", "placed piece entry %1").arg(i);
        const Integer p = GetInteger(reader.Value(record++, 2, what), 0);
        if (p < 1 || p > n) {
            Fail(QCoreApplication::translate("StateFile", "%1 names piece %2, outside 1 to %3")
                     .arg(what)
                     .arg(p)
                     .arg(n));
        }
        game.PlacedPieces[i] = p;
    }
    game.GroupSlotCount = ReadCount(
        reader, record++, QCoreApplication::translate("StateFile", "the group slot count"), 0, n,
        QCoreApplication::translate("StateFile", "the number of pieces"));
    game.GroupOrderCount = ReadCount(
        reader, record++,
        QCoreApplication::translate("StateFile", "the number of groups in the drawing order"), 0,
        game.GroupSlotCount, QCoreApplication::translate("StateFile", "the group slot count"));
    game.GroupOrder.assign(game.GroupSlotCount + 1, 0);
    for (int i = 1; i <= game.GroupOrderCount; ++i) {
        const QString what =
            QCoreApplication::translate("StateFile", "drawing order entry %1").arg(i);
        const Integer g = GetInteger(reader.Value(record++, 2, what), 0);
        if (g < 1 || g > n) {
            Fail(QCoreApplication::translate("StateFile", "%1 names group slot %2, outside 1 to %3")
                     .arg(what)
                     .arg(g)
                     .arg(n));
        }
        game.GroupOrder[i] = g;
    }
    game.ElapsedSeconds = GetLong(
        reader.Value(record, 4, QCoreApplication::translate("StateFile", "the elapsed time")), 0);
    if (game.ElapsedSeconds < 0) {
        Fail(QCoreApplication::translate("StateFile", "the elapsed time is negative (%1 seconds)")
                 .arg(game.ElapsedSeconds));
    }
    CheckCrossReferences(game);
    return game;
}

} // namespace

StateFileReadResult ReadStateFile(const QByteArray& bytes) {
    try {
        return {ReadAll(bytes), QString()};
    } catch (const Failure& failure) {
        return {std::nullopt, failure.text};
    }
}

qint64 StateFileMaxSize() {
    // The groups hold at most N members in all (the reader checks it as it goes), and a group
    // needs one record more for at most every 53 of its members.
    const int runOns = kStateMaxPieces / (kGroupMembersInOneRecord + 1);
    return qint64{RecordCount(kStateMaxPieces, kStateMaxPieces, kStateMaxPieces) + runOns} *
           kStateRecordSize;
}

void RestoreSavedGame(Puzzle& puzzle, SavedGame game) {
    SetPictureFileName(puzzle, game.PicturePath);
    puzzle.NumberOfPieces = game.NumberOfPieces;
    puzzle.PuzzleColumns = game.PuzzleColumns;
    puzzle.PuzzleRows = game.PuzzleRows;
    puzzle.PlacedCount = game.PlacedCount;
    puzzle.Pieces = std::move(game.Pieces);
    puzzle.Groups = std::move(game.Groups);
    puzzle.PlacedPieces = std::move(game.PlacedPieces);
    puzzle.GroupSlotCount = game.GroupSlotCount;
    puzzle.GroupOrderCount = game.GroupOrderCount;
    puzzle.GroupOrder = std::move(game.GroupOrder);
    puzzle.ElapsedSeconds = game.ElapsedSeconds;
    puzzle.PuzzleSolved = ToFlag(puzzle.PlacedCount == puzzle.NumberOfPieces);
}

} // namespace tess
