// The best-times file "besttimes.txt": six CR LF lines per entry, read leniently.
#include "persist/best_times.h"
#include "persist/safe_file.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <limits>
#include <optional>

namespace tess {

namespace {

constexpr int kLinesPerEntry = 6;

void AppendQuoted(QByteArray& bytes, const QString& text) {
    bytes += '"';
    bytes += BestTimeText(text).toUtf8();
    bytes += "\"\r\n";
}

void AppendNumber(QByteArray& bytes, Integer value) {
    bytes += QByteArray::number(value);
    bytes += "\r\n";
}

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; its five unassigned bytes keep
// their own code, as Windows converts them.
QString FromWindows1252(const QByteArray& bytes) {
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHigh[byte - 0x80]) : QChar(byte);
    }
    return text;
}

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

// One entry from its six lines; nothing when a number cannot be read.
std::optional<BestTimeRecord> ReadEntry(const QStringList& lines, qsizetype first) {
    const auto hours = ReadNumber(lines[first + 1], 0);
    const auto minutes = ReadNumber(lines[first + 2], 0);
    const auto seconds = ReadNumber(lines[first + 3], 0);
    const auto pieces = ReadNumber(lines[first + 4], std::numeric_limits<Integer>::min());
    if (!hours || !minutes || !seconds || !pieces) {
        return std::nullopt;
    }
    BestTimeRecord entry;
    if (*pieces <= 0) {
        return entry;
    }
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
    int filled = 0;
    for (int position = 1; position <= kBestTimesCount; ++position) {
        const qsizetype first = qsizetype{position - 1} * kLinesPerEntry;
        if (first + kLinesPerEntry > lines.size()) {
            reading.damaged = true;
            break;
        }
        const std::optional<BestTimeRecord> entry = ReadEntry(lines, first);
        if (!entry) {
            reading.damaged = true;
        } else if (!IsEmptyEntry(*entry)) {
            reading.table[filled++] = *entry;
        }
    }
    return reading;
}

QString ReadBestTimesFile(const QString& path, BestTimesReading& reading) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    reading = BestTimesFromBytes(bytes);
    return QString();
}

QString WriteBestTimesFile(const QString& path, const BestTimes& table) {
    return WriteFileSafely(path, BestTimesToBytes(table));
}

} // namespace tess
