// Writing the puzzle state file from the model; a model the format cannot hold is refused.
#include "persist/state_file.h"
#include "persist/state_file_records.h"

#include <QCoreApplication>
#include <iterator>
#include <utility>

namespace tess {

using namespace state_records;

namespace {

// Records of 128 bytes, zero-filled; each value starts a record of its own, and a value
// longer than a record runs on into the following ones.
class RecordWriter {
public:
    void NextRecord() {
        bytes_.append((kStateRecordSize - bytes_.size() % kStateRecordSize) % kStateRecordSize,
                      '\0');
    }
    void PutInteger(Integer value) {
        char bytes[2];
        qToLittleEndian<qint16>(value, bytes);
        bytes_.append(bytes, 2);
    }
    void PutLong(Long value) {
        char bytes[4];
        qToLittleEndian<qint32>(value, bytes);
        bytes_.append(bytes, 4);
    }
    void PutBytes(const QByteArray& value) { bytes_.append(value); }
    // The last record is written out in full too.
    QByteArray Take() {
        NextRecord();
        return std::move(bytes_);
    }

private:
    QByteArray bytes_;
};

// Enough structure to write from without reading outside the arrays.
QString ModelShapeProblem(const Puzzle& puzzle) {
    const int n = puzzle.NumberOfPieces;
    if (n < 1 || n > kStateMaxPieces) {
        return QCoreApplication::translate(
                   "StateFile", "it has %1 pieces, and a puzzle state file holds 1 to %2")
            .arg(n)
            .arg(kStateMaxPieces);
    }
    if (std::ssize(puzzle.Pieces) != n + 1 || std::ssize(puzzle.Groups) != n + 1 ||
        puzzle.PlacedCount < 0 || std::ssize(puzzle.PlacedPieces) <= puzzle.PlacedCount ||
        puzzle.GroupOrderCount < 0 || std::ssize(puzzle.GroupOrder) <= puzzle.GroupOrderCount) {
        return QCoreApplication::translate(
            "StateFile", "its pieces and groups do not agree with its piece count");
    }
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = puzzle.Groups[g];
        if (group.MemberCount < 0 || std::ssize(group.Members) != group.MemberCount + 1) {
            return QCoreApplication::translate("StateFile",
                                               "the member list of group slot %1 is damaged")
                .arg(g);
        }
    }
    return QString();
}

} // namespace

StateFileWriteResult WriteStateFile(const Puzzle& puzzle, const QString& stateFilePath) {
    QByteArray pictureRecord;
    QString problem = ModelShapeProblem(puzzle);
    if (problem.isEmpty()) {
        problem = PictureRecord(PicturePath(puzzle), stateFilePath, pictureRecord);
    }
    if (!problem.isEmpty()) {
        return {QByteArray(), problem};
    }
    const int n = puzzle.NumberOfPieces;
    RecordWriter out;
    out.NextRecord();
    out.PutBytes(pictureRecord);
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
        return {QByteArray(), QCoreApplication::translate(
                                  "StateFile", "its pieces and groups are not consistent (%1)")
                                  .arg(check.error)};
    }
    return result;
}

} // namespace tess
