// This copy's own files. Several copies of the program may run at once with one program
// folder: each holds its temporary bitmap under a lock for as long as it runs, so no copy
// cuts another's picture or deletes it; and at quit an unfinished game is kept.
#include "game/game.h"
#include "persist/persist.h"

#include <QDir>

namespace tess {

namespace {

// More copies than this at once are not expected; past it the last name is shared.
constexpr int kMostCopies = 100;

// The name of copy n's file: "<base>.<suffix>" for the first copy, "<base>-<n>.<suffix>" else.
QString CopyFileName(const QString& base, const QString& suffix, int copy) {
    return copy <= 1 ? base + QLatin1Char('.') + suffix
                     : QStringLiteral("%1-%2.%3").arg(base).arg(copy).arg(suffix);
}

} // namespace

int Game::CopyNumber() {
    for (int copy = 1; copyNumber_ == 0 && copy <= kMostCopies; ++copy) {
        auto lock = std::make_unique<QLockFile>(
            facts_.ProgramFolder + QLatin1Char('/') +
            CopyFileName(QStringLiteral("WholeImageTemp"), QStringLiteral("bmp"), copy) +
            QStringLiteral(".lock"));
        // Held for the life of the copy, so never stale by age; the lock of a copy that has
        // crashed is taken over, as its process is gone.
        lock->setStaleLockTime(0);
        if (TryLockFile(*lock, 0)) {
            copyNumber_ = copy;
            copyLock_ = std::move(lock);
        } else if (lock->error() != QLockFile::LockFailedError) {
            // No lock can be made here (no folder yet, or a read-only one): the first name,
            // and another try next time.
            return 1;
        }
    }
    return copyNumber_ == 0 ? kMostCopies : copyNumber_;
}

QString Game::WholeImageTempPath() {
    return facts_.ProgramFolder + QLatin1Char('/') +
           CopyFileName(QStringLiteral("WholeImageTemp"), QStringLiteral("bmp"), CopyNumber());
}

QString Game::UnfinishedGamePath() {
    return facts_.UserDataFolder + QLatin1Char('/') +
           CopyFileName(QStringLiteral("unfinished"), QStringLiteral("psf"), CopyNumber());
}

void Game::SaveUnfinishedGame() {
    if (!puzzle.PuzzleLoaded || puzzle.PlacedCount >= puzzle.NumberOfPieces ||
        facts_.UserDataFolder.isEmpty()) {
        return;
    }
    // The program is closing: whatever goes wrong here must not stop it.
    try {
        const QString path = UnfinishedGamePath();
        const StateFileWriteResult written = WriteStateFile(puzzle, path);
        if (written.error.isEmpty() && QDir().mkpath(facts_.UserDataFolder) &&
            WriteFileSafely(path, written.bytes).isEmpty()) {
            host_.AddRecentDocument(path);
        }
    } catch (const std::exception&) {
    }
}

} // namespace tess
