// The table of the 20 best finished games and its text file "besttimes.txt".
#pragma once

#include "puzzle/numbers.h"

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

} // namespace tess
