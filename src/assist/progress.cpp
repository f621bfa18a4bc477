// The progress text.
#include "assist/progress.h"

#include <QCoreApplication>

namespace tess {

QString ClockText(Long seconds) {
    seconds = std::max<Long>(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString ProgressText(const Puzzle& puzzle, Long seconds) {
    if (!puzzle.PuzzleLoaded) {
        return {};
    }
    if (puzzle.PuzzleSolved) {
        return QCoreApplication::translate("Assist", "Complete \u00B7 ") + ClockText(seconds);
    }
    return QCoreApplication::translate("Assist", "%1 of %2 placed \u00B7 %3")
        .arg(puzzle.PlacedCount)
        .arg(puzzle.NumberOfPieces)
        .arg(ClockText(seconds));
}

} // namespace tess
