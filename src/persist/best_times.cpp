// The best-times table: rates, qualification, position and insertion of a finished game.
#include "persist/best_times.h"

#include <algorithm>

namespace tess {

namespace {

// The longest time an entry can hold: its hours are an Integer.
constexpr Long kLongestTime = 32767L * 3600 + 59 * 60 + 59;

Single Rate(Long pieces, Long seconds) {
    // Divided in double precision, then kept as a single like the table's rates.
    return static_cast<Single>(static_cast<double>(pieces) /
                               static_cast<double>(std::max(seconds, 1)));
}

} // namespace

bool IsEmptyEntry(const BestTimeRecord& entry) { return entry.PieceCount <= 0; }

Single GameRate(Long pieces, Long elapsedSeconds) { return Rate(pieces, elapsedSeconds); }

Single EntryRate(const BestTimeRecord& entry) {
    const Long seconds = Long{entry.Hours} * 3600 + Long{entry.Minutes} * 60 + Long{entry.Seconds};
    return Rate(entry.PieceCount, seconds);
}

bool QualifiesForBestTimes(const BestTimes& table, Single rate) {
    const BestTimeRecord& last = table[kBestTimesCount - 1];
    return IsEmptyEntry(last) || EntryRate(last) < rate;
}

int BestTimePosition(const BestTimes& table, Single rate) {
    for (int position = 1; position <= kBestTimesCount; ++position) {
        const BestTimeRecord& entry = table[position - 1];
        if (IsEmptyEntry(entry) || EntryRate(entry) <= rate) {
            return position;
        }
    }
    return 0;
}

void InsertBestTime(BestTimes& table, int position, const BestTimeRecord& entry) {
    if (position < 1 || position > kBestTimesCount) {
        return;
    }
    if (!IsEmptyEntry(table[position - 1])) {
        for (int j = kBestTimesCount - 1; j >= position; --j) {
            table[j] = table[j - 1];
        }
    }
    table[position - 1] = entry;
}

QString BestTimeText(const QString& text) {
    QString safe = text;
    safe.replace(QLatin1Char('"'), QLatin1Char('\''));
    safe.replace(QLatin1Char('\r'), QLatin1Char(' '));
    safe.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return safe;
}

BestTimeRecord MakeBestTimeRecord(const QString& playerName, Long elapsedSeconds, Integer pieces,
                                  const QString& imageName) {
    const Long seconds = std::clamp(elapsedSeconds, Long{1}, kLongestTime);
    const Long minutes = seconds / 60;
    BestTimeRecord entry;
    entry.PlayerName = BestTimeText(playerName);
    entry.Seconds = static_cast<Integer>(seconds % 60);
    entry.Hours = static_cast<Integer>(minutes / 60);
    entry.Minutes = static_cast<Integer>(minutes % 60);
    entry.PieceCount = pieces;
    entry.ImageName = BestTimeText(imageName);
    return entry;
}

QString ElapsedTimeText(const BestTimeRecord& entry) {
    return QStringLiteral("%1:%2:%3").arg(entry.Hours).arg(entry.Minutes).arg(entry.Seconds);
}

void ClearBestTimes(BestTimes& table) { table.fill(BestTimeRecord{}); }

} // namespace tess
