// Writing and reading the puzzle state file, with the checks that keep a damaged file
// from ever reaching the model.
#include "persist/state_file.h"

#include <QtEndian>
#include <algorithm>
#include <iterator>

namespace tess {

namespace {

constexpr int kGroupRecordFixedSize = 24;
constexpr int kGroupMaxElements = kStateMaxGroupMembers + 1;

int RecordCount(int pieces, int placed, int groupOrderCount) {
    return 8 + 2 * pieces + placed + groupOrderCount;
}

// Records of 128 bytes, zero-filled; each value starts a record of its own.
class RecordWriter {
public:
    explicit RecordWriter(int records) : bytes_(qsizetype{records} * kStateRecordSize, '\0') {}

    void NextRecord() {
        position_ = qsizetype{record_} * kStateRecordSize;
        ++record_;
    }
    void PutInteger(Integer value) {
        qToLittleEndian<qint16>(value, bytes_.data() + position_);
        position_ += 2;
    }
    void PutLong(Long value) {
        qToLittleEndian<qint32>(value, bytes_.data() + position_);
        position_ += 4;
    }
    void PutBytes(const QByteArray& value) {
        std::copy(value.begin(), value.end(), bytes_.begin() + position_);
        position_ += value.size();
    }
    QByteArray Take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
    int record_ = 0;
};

// What is wrong with a file; the reader stops at the first problem.
struct Failure {
    QString text;
};

[[noreturn]] void Fail(const QString& text) { throw Failure{text}; }

class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes) : bytes_(bytes) {}

    // The first `size` bytes of record `record` (from 1), all of which must be in the file.
    const uchar* Value(int record, int size, const QString& what) const {
        const qint64 start = qint64{record - 1} * kStateRecordSize;
        if (start + size > bytes_.size()) {
            Fail(QStringLiteral("the file ends %1 %2 (record %3)")
                     .arg(start >= bytes_.size() ? QStringLiteral("before")
                                                 : QStringLiteral("inside"),
                          what)
                     .arg(record));
        }
        return reinterpret_cast<const uchar*>(bytes_.constData()) + start;
    }

private:
    const QByteArray& bytes_;
};

Integer GetInteger(const uchar* value, int offset) {
    return qFromLittleEndian<qint16>(value + offset);
}

Long GetLong(const uchar* value, int offset) { return qFromLittleEndian<qint32>(value + offset); }

Flag GetFlag(const uchar* value, int offset, const QString& owner, const char* field) {
    const Integer flag = GetInteger(value, offset);
    if (flag != kTrue && flag != kFalse) {
        Fail(QStringLiteral("%1 has %2 set to %3, where only -1 and 0 are allowed")
                 .arg(owner, QLatin1String(field))
                 .arg(flag));
    }
    return flag;
}

QString PieceName(int i) { return QStringLiteral("piece %1").arg(i); }
QString GroupName(int g) { return QStringLiteral("group slot %1").arg(g); }

// The side shapes every cut gives the piece at this place: a fixed checkerboard.
struct Sides {
    Flag Top, Bottom, Left, Right;
};

Sides ShapeOf(int col, int row, int columns, int rows) {
    if ((row + col) % 2 == 0) {
        return {ToFlag(row == 0), ToFlag(row == rows - 1), kTrue, kTrue};
    }
    return {kTrue, kTrue, ToFlag(col == 0), ToFlag(col == columns - 1)};
}

Integer ReadCount(const RecordReader& reader, int record, const QString& what, int low, int high,
                  const QString& highName) {
    const Integer value = GetInteger(reader.Value(record, 2, what), 0);
    if (value < low || value > high) {
        Fail(QStringLiteral("%1 is %2, outside %3 to %4")
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
        Fail(QStringLiteral("%1 is stored at column %2, row %3, but its place is column %4, row %5")
                 .arg(name)
                 .arg(p.Col)
                 .arg(p.Row)
                 .arg(col)
                 .arg(row));
    }
    if (p.Group < 0 || p.Group > game.NumberOfPieces) {
        Fail(QStringLiteral("%1 names group slot %2, outside 0 to %3")
                 .arg(name)
                 .arg(p.Group)
                 .arg(game.NumberOfPieces));
    }
    const Sides sides = ShapeOf(col, row, game.PuzzleColumns, game.PuzzleRows);
    if (p.TopOut != sides.Top || p.BottomOut != sides.Bottom || p.LeftOut != sides.Left ||
        p.RightOut != sides.Right) {
        Fail(QStringLiteral("%1 has knobs and sockets that do not match its place in the grid")
                 .arg(name));
    }
    // Positions are multiplied by the play field's size when it changes; keeping them in
    // 16 bits keeps that product in range.
    constexpr Long kFar = 32767;
    if (p.X < -kFar - 1 || p.X > kFar || p.Y < -kFar - 1 || p.Y > kFar) {
        Fail(QStringLiteral("%1 lies at (%2, %3), far outside any play field")
                 .arg(name)
                 .arg(p.X)
                 .arg(p.Y));
    }
    return p;
}

GroupRecord ReadGroup(const RecordReader& reader, int record, int g, const SavedGame& game) {
    const QString name = GroupName(g);
    const uchar* head = reader.Value(record, 12, name);
    GroupRecord group;
    group.InPlace = GetFlag(head, 0, name, "InPlace");
    const Integer dimensions = GetInteger(head, 2);
    const Long elements = GetLong(head, 4);
    const Long lowerBound = GetLong(head, 8);
    if (dimensions != 1) {
        Fail(QStringLiteral("%1 has a member list of %2 dimensions instead of 1")
                 .arg(name)
                 .arg(dimensions));
    }
    if (elements < 1 || elements > kGroupMaxElements) {
        Fail(QStringLiteral("%1 has a member list of %2 elements, where a record holds 1 to %3")
                 .arg(name)
                 .arg(elements)
                 .arg(kGroupMaxElements));
    }
    if (lowerBound != 0) {
        Fail(QStringLiteral("%1 has a member list starting at index %2 instead of 0")
                 .arg(name)
                 .arg(lowerBound));
    }
    const int count = elements - 1;
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
        Fail(QStringLiteral("%1 holds %2 in element 0 of its member list instead of 0")
                 .arg(name)
                 .arg(group.Members[0]));
    }
    if (group.MemberCount != count) {
        Fail(QStringLiteral("%1 counts %2 members but its member list holds %3")
                 .arg(name)
                 .arg(group.MemberCount)
                 .arg(count));
    }
    for (int k = 1; k <= count; ++k) {
        const Integer m = group.Members[k];
        if (m < 1 || m > game.NumberOfPieces) {
            Fail(QStringLiteral("%1 lists piece %2, outside 1 to %3")
                     .arg(name)
                     .arg(m)
                     .arg(game.NumberOfPieces));
        }
        if (k > 1 && m <= group.Members[k - 1]) {
            Fail(QStringLiteral("the members of %1 are not in ascending order").arg(name));
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
            Fail(QStringLiteral("the column and row bounds of %1 do not match its members")
                     .arg(name));
        }
        if (group.InPlace != kFalse) {
            Fail(QStringLiteral("%1 holds pieces but is marked as fixed in place").arg(name));
        }
    }
    return group;
}

// Every piece in exactly one live group or placed, each naming where it is, and each
// live group drawn exactly once.
void CheckCrossReferences(const SavedGame& game) {
    const int n = game.NumberOfPieces;
    std::vector<int> listed(n + 1, 0);
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = game.Groups[g];
        for (int k = 1; k <= group.MemberCount; ++k) {
            ++listed[group.Members[k]];
        }
    }
    for (int i = 1; i <= game.PlacedCount; ++i) {
        ++listed[game.PlacedPieces[i]];
    }
    for (int i = 1; i <= n; ++i) {
        if (listed[i] == 0) {
            Fail(QStringLiteral("piece %1 is neither in a group nor placed").arg(i));
        }
        if (listed[i] > 1) {
            Fail(QStringLiteral("piece %1 is listed %2 times among the groups and placed pieces")
                     .arg(i)
                     .arg(listed[i]));
        }
    }
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = game.Groups[g];
        for (int k = 1; k <= group.MemberCount; ++k) {
            const Integer m = group.Members[k];
            if (game.Pieces[m].Group != g) {
                Fail(QStringLiteral("piece %1 is listed in group slot %2 but names slot %3")
                         .arg(m)
                         .arg(g)
                         .arg(game.Pieces[m].Group));
            }
        }
    }
    for (int i = 1; i <= game.PlacedCount; ++i) {
        const Integer p = game.PlacedPieces[i];
        if (game.Pieces[p].Group != 0) {
            Fail(QStringLiteral("placed piece %1 names group slot %2 instead of 0")
                     .arg(p)
                     .arg(game.Pieces[p].Group));
        }
    }
    std::vector<int> drawn(n + 1, 0);
    for (int i = 1; i <= game.GroupOrderCount; ++i) {
        const Integer g = game.GroupOrder[i];
        if (game.Groups[g].MemberCount == 0) {
            Fail(QStringLiteral("drawing order entry %1 names group slot %2, which holds no pieces")
                     .arg(i)
                     .arg(g));
        }
        if (++drawn[g] > 1) {
            Fail(QStringLiteral("the drawing order lists group slot %1 more than once").arg(g));
        }
    }
    for (int g = 1; g <= n; ++g) {
        if (game.Groups[g].MemberCount > 0 && drawn[g] == 0) {
            Fail(QStringLiteral("group slot %1 holds pieces but is missing from the drawing order")
                     .arg(g));
        }
    }
}

SavedGame ReadAll(const QByteArray& bytes) {
    const RecordReader reader(bytes);
    SavedGame game;
    const uchar* path = reader.Value(1, kPictureFileNameLength, QStringLiteral("the picture path"));
    game.PictureFileName =
        QString::fromLatin1(reinterpret_cast<const char*>(path), kPictureFileNameLength);
    game.NumberOfPieces =
        ReadCount(reader, 2, QStringLiteral("the number of pieces"), 1, kStateMaxPieces, QString());
    const int n = game.NumberOfPieces;
    game.PuzzleColumns =
        ReadCount(reader, 3, QStringLiteral("the number of columns"), 1, n, QString());
    game.PuzzleRows = ReadCount(reader, 4, QStringLiteral("the number of rows"), 1, n, QString());
    if (game.PuzzleColumns * game.PuzzleRows != n) {
        Fail(QStringLiteral("a grid of %1 columns and %2 rows does not hold %3 pieces")
                 .arg(game.PuzzleColumns)
                 .arg(game.PuzzleRows)
                 .arg(n));
    }
    game.PlacedCount = ReadCount(reader, 5, QStringLiteral("the number of placed pieces"), 0, n,
                                 QStringLiteral("the number of pieces"));

    game.Pieces.assign(n + 1, PieceRecord{});
    game.Groups.assign(n + 1, GroupRecord{});
    int record = 6;
    for (int i = 1; i <= n; ++i) {
        game.Pieces[i] = ReadPiece(reader, record++, i, game);
        game.Groups[i] = ReadGroup(reader, record++, i, game);
    }
    game.PlacedPieces.assign(game.PlacedCount + 1, 0);
    for (int i = 1; i <= game.PlacedCount; ++i) {
        const QString what = QStringLiteral("placed piece entry %1").arg(i);
        const Integer p = GetInteger(reader.Value(record++, 2, what), 0);
        if (p < 1 || p > n) {
            Fail(QStringLiteral("%1 names piece %2, outside 1 to %3").arg(what).arg(p).arg(n));
        }
        game.PlacedPieces[i] = p;
    }
    game.GroupSlotCount = ReadCount(reader, record++, QStringLiteral("the group slot count"), 0, n,
                                    QStringLiteral("the number of pieces"));
    game.GroupOrderCount =
        ReadCount(reader, record++, QStringLiteral("the number of groups in the drawing order"), 0,
                  game.GroupSlotCount, QStringLiteral("the group slot count"));
    game.GroupOrder.assign(game.GroupSlotCount + 1, 0);
    for (int i = 1; i <= game.GroupOrderCount; ++i) {
        const QString what = QStringLiteral("drawing order entry %1").arg(i);
        const Integer g = GetInteger(reader.Value(record++, 2, what), 0);
        if (g < 1 || g > n) {
            Fail(QStringLiteral("%1 names group slot %2, outside 1 to %3").arg(what).arg(g).arg(n));
        }
        game.GroupOrder[i] = g;
    }
    game.ElapsedSeconds = GetLong(reader.Value(record, 4, QStringLiteral("the elapsed time")), 0);
    if (game.ElapsedSeconds < 0) {
        Fail(QStringLiteral("the elapsed time is negative (%1 seconds)").arg(game.ElapsedSeconds));
    }
    CheckCrossReferences(game);
    return game;
}

// Enough structure to write from without reading outside the arrays.
QString ModelShapeProblem(const Puzzle& puzzle) {
    const int n = puzzle.NumberOfPieces;
    if (n < 1 || n > kStateMaxPieces) {
        return QStringLiteral("it has %1 pieces, and a puzzle state file holds 1 to %2")
            .arg(n)
            .arg(kStateMaxPieces);
    }
    if (std::ssize(puzzle.Pieces) != n + 1 || std::ssize(puzzle.Groups) != n + 1 ||
        puzzle.PlacedCount < 0 || std::ssize(puzzle.PlacedPieces) <= puzzle.PlacedCount ||
        puzzle.GroupOrderCount < 0 || std::ssize(puzzle.GroupOrder) <= puzzle.GroupOrderCount) {
        return QStringLiteral("its pieces and groups do not agree with its piece count");
    }
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = puzzle.Groups[g];
        if (group.MemberCount < 0 || std::ssize(group.Members) != group.MemberCount + 1) {
            return QStringLiteral("the member list of group slot %1 is damaged").arg(g);
        }
        if (group.MemberCount > kStateMaxGroupMembers) {
            return QStringLiteral(
                       "one of its groups holds %1 joined pieces, and a puzzle state file can "
                       "store groups of at most %2 pieces")
                .arg(group.MemberCount)
                .arg(kStateMaxGroupMembers);
        }
    }
    for (const QChar c : puzzle.PictureFileName) {
        if (c.unicode() > 0xFF) {
            return QStringLiteral("the path of its picture contains the character \"%1\", and a "
                                  "puzzle state file can only store Latin-1 characters")
                .arg(c);
        }
    }
    return QString();
}

} // namespace

StateFileWriteResult WriteStateFile(const Puzzle& puzzle) {
    if (QString problem = ModelShapeProblem(puzzle); !problem.isEmpty()) {
        return {QByteArray(), problem};
    }
    const int n = puzzle.NumberOfPieces;
    RecordWriter out(RecordCount(n, puzzle.PlacedCount, puzzle.GroupOrderCount));
    out.NextRecord();
    out.PutBytes(puzzle.PictureFileName.left(kPictureFileNameLength)
                     .leftJustified(kPictureFileNameLength, QLatin1Char(' '))
                     .toLatin1());
    for (const Integer value :
         {puzzle.NumberOfPieces, puzzle.PuzzleColumns, puzzle.PuzzleRows, puzzle.PlacedCount}) {
        out.NextRecord();
        out.PutInteger(value);
    }
    for (int i = 1; i <= n; ++i) {
        const PieceRecord& p = puzzle.Pieces[i];
        out.NextRecord();
        for (const Integer value :
             {p.Col, p.Row, p.Group, p.JoinedTop, p.JoinedBottom, p.JoinedLeft, p.JoinedRight,
              p.TopOut, p.BottomOut, p.LeftOut, p.RightOut}) {
            out.PutInteger(value);
        }
        for (const Long value :
             {p.X, p.Y, p.CellRect.Left, p.CellRect.Top, p.CellRect.Right, p.CellRect.Bottom}) {
            out.PutLong(value);
        }
        out.PutInteger(p.HomeX);
        out.PutInteger(p.HomeY);

        const GroupRecord& group = puzzle.Groups[i];
        out.NextRecord();
        out.PutInteger(group.InPlace);
        out.PutInteger(1);
        out.PutLong(group.MemberCount + 1);
        out.PutLong(0);
        out.PutInteger(0);
        for (int k = 1; k <= group.MemberCount; ++k) {
            out.PutInteger(group.Members[k]);
        }
        for (const Integer value :
             {group.MemberCount, group.MinCol, group.MaxCol, group.MinRow, group.MaxRow}) {
            out.PutInteger(value);
        }
    }
    for (int i = 1; i <= puzzle.PlacedCount; ++i) {
        out.NextRecord();
        out.PutInteger(puzzle.PlacedPieces[i]);
    }
    out.NextRecord();
    out.PutInteger(puzzle.GroupSlotCount);
    out.NextRecord();
    out.PutInteger(puzzle.GroupOrderCount);
    for (int i = 1; i <= puzzle.GroupOrderCount; ++i) {
        out.NextRecord();
        out.PutInteger(puzzle.GroupOrder[i]);
    }
    out.NextRecord();
    out.PutLong(puzzle.ElapsedSeconds);

    StateFileWriteResult result{out.Take(), QString()};
    // A file that would not load again is worse than no file: refuse it here.
    if (const StateFileReadResult check = ReadStateFile(result.bytes); !check.game) {
        return {QByteArray(),
                QStringLiteral("its pieces and groups are not consistent (%1)").arg(check.error)};
    }
    return result;
}

StateFileReadResult ReadStateFile(const QByteArray& bytes) {
    try {
        return {ReadAll(bytes), QString()};
    } catch (const Failure& failure) {
        return {std::nullopt, failure.text};
    }
}

qint64 StateFileMaxSize() {
    return qint64{RecordCount(kStateMaxPieces, kStateMaxPieces, kStateMaxPieces)} *
           kStateRecordSize;
}

void RestoreSavedGame(Puzzle& puzzle, SavedGame game) {
    puzzle.PictureFileName = std::move(game.PictureFileName);
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

    puzzle.SelectedPiece = 0;
    puzzle.Dragging = kFalse;
    puzzle.DraggedGroup = 0;
    puzzle.DraggedMembers.assign(1, 0);
    puzzle.DraggedMemberCount = 0;

    const qsizetype slash = puzzle.PictureFileName.lastIndexOf(QLatin1Char('/'));
    puzzle.PictureFileTitle = puzzle.PictureFileName.mid(slash + 1);
}

} // namespace tess
