// The record layout shared by the state file's writer, reader and checks: record
// counts, little-endian values, and the failure the reader stops at.
#pragma once

#include "persist/state_file.h"

#include <QCoreApplication>
#include <QtEndian>

namespace tess::state_records {

inline constexpr int kGroupRecordFixedSize = 24;
// The most members whose group record fits one record of 128 bytes.
inline constexpr int kGroupMembersInOneRecord = 52;

// Records of a file whose groups each fit one record.
inline int RecordCount(int pieces, int placed, int groupOrderCount) {
    return 8 + 2 * pieces + placed + groupOrderCount;
}

// Records a group record of 24 + 2 x MemberCount bytes takes: one up to 52 members, and a
// longer one runs on into as many following records as it needs.
inline int GroupRecordSpan(int memberCount) {
    return (kGroupRecordFixedSize + 2 * memberCount + kStateRecordSize - 1) / kStateRecordSize;
}

// What is wrong with a file; the reader stops at the first problem.
struct Failure {
    QString text;
};

[[noreturn]] inline void Fail(const QString& text) { throw Failure{text}; }

class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes) : bytes_(bytes) {}

    // The first `size` bytes of record `record` (from 1), all of which must be in the file.
    const uchar* Value(int record, int size, const QString& what) const {
        const qint64 start = qint64{record - 1} * kStateRecordSize;
        if (start + size > bytes_.size()) {
            Fail(QCoreApplication::translate("StateFile", "the file ends %1 %2 (record %3)")
                     .arg(start >= bytes_.size()
                              ? QCoreApplication::translate("StateFile", "before")
                              : QCoreApplication::translate("StateFile", "inside"),
                          what)
                     .arg(record));
        }
        return reinterpret_cast<const uchar*>(bytes_.constData()) + start;
    }

private:
    const QByteArray& bytes_;
};

inline Integer GetInteger(const uchar* value, int offset) {
    return qFromLittleEndian<qint16>(value + offset);
}

inline Long GetLong(const uchar* value, int offset) {
    return qFromLittleEndian<qint32>(value + offset);
}

inline Flag GetFlag(const uchar* value, int offset, const QString& owner, const char* field) {
    const Integer flag = GetInteger(value, offset);
    if (flag != kTrue && flag != kFalse) {
        Fail(QCoreApplication::translate("StateFile",
                                         "%1 has %2 set to %3, where only -1 and 0 are allowed")
                 .arg(owner, QLatin1String(field))
                 .arg(flag));
    }
    return flag;
}

inline QString PieceName(int i) {
    return QCoreApplication::translate("StateFile", "piece %1").arg(i);
}
inline QString GroupName(int g) {
    return QCoreApplication::translate("StateFile", "group slot %1").arg(g);
}

// The side shapes every cut gives the piece at this place: a fixed checkerboard.
struct Sides {
    Flag Top, Bottom, Left, Right;
};

inline Sides ShapeOf(int col, int row, int columns, int rows) {
    if ((row + col) % 2 == 0) {
        return {ToFlag(row == 0), ToFlag(row == rows - 1), kTrue, kTrue};
    }
    return {kTrue, kTrue, ToFlag(col == 0), ToFlag(col == columns - 1)};
}

// Every piece in exactly one live group or placed, each naming where it is, each live group
// drawn exactly once, and neighbours agreeing on their joins (border sides never joined).
void CheckCrossReferences(const SavedGame& game);

// Record 1 for a picture at picturePath in a state file at stateFilePath: the whole path when
// it fits, else the path from the state file's folder. Returns why neither fits, or an empty
// string when `field` holds the record's 128 bytes.
QString PictureRecord(const QString& picturePath, const QString& stateFilePath, QByteArray& field);

} // namespace tess::state_records
