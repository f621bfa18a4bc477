// The table of the 20 best finished games and its text file "besttimes.txt".
#pragma once

#include "puzzle/numbers.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace tess {

struct BestTimeRecord {
    QString PlayerName;
    Integer Hours = 0;
    Integer Minutes = 0;
    Integer Seconds = 0;
    Integer PieceCount = 0;
    QString ImageName;
    friend bool operator==(const BestTimeRecord&, const BestTimeRecord&) = default;
};

inline constexpr int kBestTimesCount = 20;

// Positions 1 to 20 are elements 0 to 19.
using BestTimes = std::array<BestTimeRecord, kBestTimesCount>;

inline const QString kBestTimesFileName = QStringLiteral("besttimes.txt");
// Where a damaged best-times file is copied before it is rewritten.
inline const QString kDamagedBestTimesFileName = QStringLiteral("besttimes-damaged.txt");

// The table operations. Positions count from 1.

// An entry is empty when it holds no pieces.
bool IsEmptyEntry(const BestTimeRecord& entry);

// Pieces per second of a game, as the single-precision value the ranking compares. A game
// shorter than one second (finished before the first tick) counts as one second.
Single GameRate(Long pieces, Long elapsedSeconds);
// The rate of a filled entry, from its stored time.
Single EntryRate(const BestTimeRecord& entry);

// A game qualifies when entry 20 is empty or its rate is strictly smaller.
bool QualifiesForBestTimes(const BestTimes& table, Single rate);
// The first position whose entry is empty or whose rate is not above the given rate, so a
// new game goes in front of an older one of the same rate; 0 when there is none.
int BestTimePosition(const BestTimes& table, Single rate);
// Moves entries position to 19 down by one when the entry is filled (dropping entry 20),
// then stores the new entry at the position.
void InsertBestTime(BestTimes& table, int position, const BestTimeRecord& entry);

// A finished game as an entry: the time split into hours, minutes and seconds (at least one
// second), and the names made safe for the file (see BestTimeText).
BestTimeRecord MakeBestTimeRecord(const QString& playerName, Long elapsedSeconds, Integer pieces,
                                  const QString& imageName);
// The file cannot quote a double quote or hold a line break: a double quote becomes an
// apostrophe and a line break a space.
QString BestTimeText(const QString& text);

// "Hours:Minutes:Seconds" without leading zeros, as the dialog shows it ("1:2:5").
QString ElapsedTimeText(const BestTimeRecord& entry);

void ClearBestTimes(BestTimes& table);

// The file: 20 entries of six CR LF lines (quoted name, hours, minutes, seconds, pieces,
// quoted image name). Text is written in Windows-1252, a character it cannot hold as "?";
// a file that is valid UTF-8 (as earlier versions wrote it) is read as UTF-8.
QByteArray BestTimesToBytes(const BestTimes& table);

struct BestTimesReading {
    BestTimes table;
    // Something in the bytes could not be read: an entry missing or with a bad number.
    bool damaged = false;
};
// Reads positions 1 to 20 into their own entries, empty ones included (with their names);
// an entry that is missing or has a number that cannot be read stays empty.
BestTimesReading BestTimesFromBytes(const QByteArray& bytes);

// The file wrappers. Both return an empty string on success and the reason otherwise.
QString ReadBestTimesFile(const QString& path, BestTimesReading& reading);
// Writes through a temporary file, so a failed write leaves the previous file as it was.
QString WriteBestTimesFile(const QString& path, const BestTimes& table);

} // namespace tess
