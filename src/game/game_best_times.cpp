// Best times: reading and writing the table, and entering a finished game.
#include "game/game.h"

#include <QFile>
#include <QLockFile>

namespace tess {

namespace {

// How long a save waits for another copy of the program that is writing the file.
constexpr int kLockWaitMs = 2000;

} // namespace

QString Game::BestTimesPath() const {
    return facts_.ProgramFolder + QLatin1Char('/') + kBestTimesFileName;
}

void Game::ReadBestTimes() {
    const QString path = BestTimesPath();
    BestTimesReading reading;
    const QString error = ReadBestTimesFile(path, reading);
    if (!error.isEmpty()) {
        host_.ShowMessage(tr("The best times could not be read from \"%1\": %2.").arg(path, error),
                          facts_.Title);
        return;
    }
    bestTimes = reading.table;
    if (reading.damaged) {
        // The next placing rewrites the file with what could be read; keep the original.
        const QString copy = facts_.ProgramFolder + QLatin1Char('/') + kDamagedBestTimesFileName;
        QByteArray original;
        const bool copied =
            ReadRegularFile(path, original).isEmpty() && WriteFileSafely(copy, original).isEmpty();
        host_.ShowMessage(
            tr("Some of the best times in \"%1\" could not be read. The entries that "
               "could be read are kept%2.")
                .arg(path, copied ? tr(", and the file is copied to \"%1\"").arg(copy) : QString()),
            facts_.Title);
    }
}

void Game::TakeBestTimesFromFile() {
    const QString path = BestTimesPath();
    BestTimesReading reading;
    // A missing or unreadable file keeps the table in memory, which holds this copy's entries.
    if (bestTimesCleared_ || !QFile::exists(path) || !ReadBestTimesFile(path, reading).isEmpty()) {
        return;
    }
    for (const BestTimeRecord& entry : bestTimesMadeHere_) {
        const Single rate = EntryRate(entry);
        if (QualifiesForBestTimes(reading.table, rate)) {
            InsertBestTime(reading.table, BestTimePosition(reading.table, rate), entry);
        }
    }
    bestTimes = reading.table;
}

void Game::SaveBestTimes() {
    const QString path = BestTimesPath();
    // A lock that cannot be had in time (a stuck copy, a read-only folder) does not stop the save.
    QLockFile lock(path + QStringLiteral(".lock"));
    TryLockFile(lock, kLockWaitMs);
    TakeBestTimesFromFile();
    const QString error = WriteBestTimesFile(path, bestTimes);
    if (error.isEmpty()) {
        bestTimesSaveFailed = false;
        bestTimesMadeHere_.clear();
        bestTimesCleared_ = false;
        return;
    }
    // Told once; the table stays in memory and every later placing tries again.
    if (!bestTimesSaveFailed) {
        bestTimesSaveFailed = true;
        host_.ShowMessage(tr("The best times could not be saved to \"%1\": %2. They are kept "
                             "and saved again after the next placing.")
                              .arg(path, error),
                          facts_.Title);
    }
}

void Game::NewBestTime() {
    // Ranked among what every copy has entered by now.
    TakeBestTimesFromFile();
    const Single rate = GameRate(puzzle.NumberOfPieces, puzzle.ElapsedSeconds);
    if (!QualifiesForBestTimes(bestTimes, rate)) {
        return;
    }
    picPuzzle_Paint();
    const QString name =
        host_.InputBox(tr("You have achieved a new best time, please enter you name."));
    const BestTimeRecord entry = MakeBestTimeRecord(name, puzzle.ElapsedSeconds,
                                                    puzzle.NumberOfPieces, puzzle.PictureFileTitle);
    InsertBestTime(bestTimes, BestTimePosition(bestTimes, rate), entry);
    bestTimesMadeHere_.push_back(entry);
}

void Game::ClearAllBestTimes() {
    ClearBestTimes(bestTimes);
    bestTimesMadeHere_.clear();
    bestTimesCleared_ = true;
}

} // namespace tess
