// Best times: reading and writing the table, and entering a finished game.
#include "game/game.h"

#include <QFile>

namespace tess {

namespace {

const QString kNewBestTimePrompt =
    QStringLiteral("You have achieved a new best time, please enter you name.");

} // namespace

QString Game::BestTimesPath() const {
    return facts_.ProgramFolder + QLatin1Char('/') + kBestTimesFileName;
}

void Game::ReadBestTimes() {
    const QString path = BestTimesPath();
    BestTimesReading reading;
    const QString error = ReadBestTimesFile(path, reading);
    if (!error.isEmpty()) {
        host_.ShowMessage(
            QStringLiteral("The best times could not be read from \"%1\": %2.").arg(path, error),
            facts_.Title);
        return;
    }
    bestTimes = reading.table;
    if (reading.damaged) {
        // The next placing rewrites the file with what could be read; keep the original.
        const QString copy = facts_.ProgramFolder + QLatin1Char('/') + kDamagedBestTimesFileName;
        QFile::remove(copy);
        const bool copied = QFile::copy(path, copy);
        host_.ShowMessage(
            QStringLiteral("Some of the best times in \"%1\" could not be read. The entries that "
                           "could be read are kept%2.")
                .arg(path, copied ? QStringLiteral(", and the file is copied to \"%1\"").arg(copy)
                                  : QString()),
            facts_.Title);
    }
}

void Game::SaveBestTimes() {
    const QString path = BestTimesPath();
    const QString error = WriteBestTimesFile(path, bestTimes);
    if (error.isEmpty()) {
        bestTimesSaveFailed = false;
        return;
    }
    // Told once; the table stays in memory and every later placing tries again.
    if (!bestTimesSaveFailed) {
        bestTimesSaveFailed = true;
        host_.ShowMessage(
            QStringLiteral("The best times could not be saved to \"%1\": %2. They are kept "
                           "and saved again after the next placing.")
                .arg(path, error),
            facts_.Title);
    }
}

void Game::NewBestTime() {
    const Single rate = GameRate(puzzle.NumberOfPieces, puzzle.ElapsedSeconds);
    if (!QualifiesForBestTimes(bestTimes, rate)) {
        return;
    }
    picPuzzle_Paint();
    const QString name = host_.InputBox(kNewBestTimePrompt);
    InsertBestTime(bestTimes, BestTimePosition(bestTimes, rate),
                   MakeBestTimeRecord(name, puzzle.ElapsedSeconds, puzzle.NumberOfPieces,
                                      puzzle.PictureFileTitle));
}

} // namespace tess
