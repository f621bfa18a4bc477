// The best-times file "besttimes.txt": six CR LF lines per entry, read leniently.
#include "persist/best_times.h"
#include "persist/regular_file.h"
#include "persist/safe_file.h"
#include "persist/windows_1252.h"

#include <QStringDecoder>
#include <QStringList>
#include <limits>
#include <optional>

namespace tess {

namespace {

constexpr int kLinesPerEntry = 6;

void AppendQuoted(QByteArray& bytes, const QString& text) {
    bytes += '"';
    bytes += ToWindows1252(BestTimeText(text));
    bytes += "\"\r\n";
}

void AppendNumber(QByteArray& bytes, Integer value) {
    bytes += QByteArray::number(value);
    bytes += "\r\n";
}

// The file is written in Windows-1252; earlier versions wrote UTF-8. Text that is valid
// UTF-8 is read as UTF-8, anything else as Windows-1252.
QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? FromWindows1252(bytes) : text;
}

// A quoted value without its quotes. A value without quotes is taken as it stands, trimmed;
// a missing closing quote ends the value at the end of the line.
QString ReadQuoted(const QString& line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('"'))) {
        return trimmed;
    }
    const qsizetype start = line.indexOf(QLatin1Char('"')) + 1;
    const qsizetype end = line.indexOf(QLatin1Char('"'), start);
    return end < 0 ? line.mid(start) : line.mid(start, end - start);
}

// A decimal integer within the Integer range, at least the given minimum.
std::optional<Integer> ReadNumber(const QString& line, int minimum) {
    bool ok = false;
    const int value = line.trimmed().toInt(&ok, 10);
    if (!ok || value < minimum || value > std::numeric_limits<Integer>::max()) {
        return std::nullopt;
    }
    return static_cast<Integer>(value);
}

// One entry from its six lines, an empty one too; nothing when a number cannot be read.
std::optional<BestTimeRecord> ReadEntry(const QStringList& lines, qsizetype first) {
    const auto hours = ReadNumber(lines[first + 1], 0);
    const auto minutes = ReadNumber(lines[first + 2], 0);
    const auto seconds = ReadNumber(lines[first + 3], 0);
    const auto pieces = ReadNumber(lines[first + 4], std::numeric_limits<Integer>::min());
    if (!hours || !minutes || !seconds || !pieces) {
        return std::nullopt;
    }
    BestTimeRecord entry;
    entry.PlayerName = ReadQuoted(lines[first]);
    entry.Hours = *hours;
    entry.Minutes = *minutes;
    entry.Seconds = *seconds;
    entry.PieceCount = *pieces;
    entry.ImageName = ReadQuoted(lines[first + 5]);
    return entry;
}

} // namespace

QByteArray BestTimesToBytes(const BestTimes& table) {
    QByteArray bytes;
    for (const BestTimeRecord& entry : table) {
        AppendQuoted(bytes, entry.PlayerName);
        AppendNumber(bytes, entry.Hours);
        AppendNumber(bytes, entry.Minutes);
        AppendNumber(bytes, entry.Seconds);
        AppendNumber(bytes, entry.PieceCount);
        AppendQuoted(bytes, entry.ImageName);
    }
    return bytes;
}

BestTimesReading BestTimesFromBytes(const QByteArray& bytes) {
    BestTimesReading reading;
    if (bytes.isEmpty()) {
        return reading;
    }
    QStringList lines = DecodeText(bytes).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    for (int position = 1; position <= kBestTimesCount; ++position) {
        const qsizetype first = qsizetype{position - 1} * kLinesPerEntry;
        if (first + kLinesPerEntry > lines.size()) {
            reading.damaged = true;
            break;
        }
        // Each position into its own entry: one that cannot be read stays empty.
        if (const std::optional<BestTimeRecord> entry = ReadEntry(lines, first)) {
            reading.table[position - 1] = *entry;
        } else {
            reading.damaged = true;
        }
    }
    return reading;
}

QString ReadBestTimesFile(const QString& path, BestTimesReading& reading) {
    QByteArray bytes;
    if (QString error = ReadRegularFile(path, bytes); !error.isEmpty()) {
        return error;
    }
    reading = BestTimesFromBytes(bytes);
    return QString();
}

QString WriteBestTimesFile(const QString& path, const BestTimes& table) {
    return WriteFileSafely(path, BestTimesToBytes(table));
}

} // namespace tess
