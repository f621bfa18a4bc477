// Finding, naming, holding and removing the kept games.
#include "history/kept_games.h"

#include "persist/persist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace tess {

namespace {

// Earlier versions kept the game at quit as "unfinished.psf" ("unfinished-<n>.psf").
const QStringList kKeptNames{QStringLiteral("game-*.psf"), QStringLiteral("unfinished*.psf")};

// More games started in one millisecond than this are not expected. The milliseconds keep a
// name from being taken again soon after its game was removed as one of the oldest.
constexpr int kMostNamesAtOnce = 100;

// A lock file left by a copy killed while making it names no process; past this age it is
// taken over. A live copy keeps its lock whatever its age: it holds the file locked (flock).
constexpr int kStaleLockMs = 30000;

void PrepareLock(QLockFile& lock) {
    // The lock of a copy that has ended without letting it go is taken over at once, as its
    // process is gone.
    lock.setStaleLockTime(kStaleLockMs);
}

bool HeldElsewhere(const QString& path) {
    // Taken for a moment only: the lock goes with the object.
    QLockFile lock(path + QStringLiteral(".lock"));
    PrepareLock(lock);
    return !TryLockFile(lock, 0) && lock.error() == QLockFile::LockFailedError;
}

// The folder's kept games, newest first.
QFileInfoList KeptFiles(const QString& folder) {
    return QDir(folder).entryInfoList(kKeptNames, QDir::Files, QDir::Time);
}

bool IsOwn(const QFileInfo& file, const QString& own) {
    return !own.isEmpty() && file.absoluteFilePath() == QFileInfo(own).absoluteFilePath();
}

} // namespace

QString KeptGameCaption(const KeptGame& game) {
    return QCoreApplication::translate("KeptGames", "%1 - %2 of %3 placed - %4")
        .arg(game.PictureName)
        .arg(game.Placed)
        .arg(game.Pieces)
        .arg(QLocale().toString(game.LastPlayed, QLocale::ShortFormat));
}

std::vector<KeptGame> ListKeptGames(const QString& folder, const QString& own) {
    std::vector<KeptGame> games;
    if (folder.isEmpty()) {
        return games;
    }
    for (const QFileInfo& file : KeptFiles(folder)) {
        if (IsOwn(file, own) || HeldElsewhere(file.absoluteFilePath())) {
            continue;
        }
        QByteArray bytes;
        if (!ReadRegularFile(file.absoluteFilePath(), bytes, StateFileMaxSize()).isEmpty()) {
            continue;
        }
        const StateFileReadResult read = ReadStateFile(bytes);
        if (read.game) {
            games.push_back(
                KeptGame{file.absoluteFilePath(), QFileInfo(read.game->PicturePath).fileName(),
                         read.game->PlacedCount, read.game->NumberOfPieces, file.lastModified()});
        }
    }
    return games;
}

void RemoveOldKeptGames(const QString& folder, int keep, const QString& own) {
    const QFileInfoList files = KeptFiles(folder);
    for (qsizetype i = keep; i < files.size(); ++i) {
        const QString path = files[i].absoluteFilePath();
        if (!IsOwn(files[i], own) && !HeldElsewhere(path)) {
            QFile::remove(path);
        }
    }
}

KeptFile::KeptFile(QString path) : path_(std::move(path)), lock_(path_ + QStringLiteral(".lock")) {
    PrepareLock(lock_);
}

std::unique_ptr<KeptFile> KeptFile::ClaimNew(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return nullptr;
    }
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    for (int n = 1; n <= kMostNamesAtOnce; ++n) {
        const QString name = n == 1 ? QStringLiteral("game-%1.psf").arg(stamp)
                                    : QStringLiteral("game-%1-%2.psf").arg(stamp).arg(n);
        auto file = std::make_unique<KeptFile>(QDir(folder).absoluteFilePath(name));
        if (QFileInfo::exists(file->path_)) {
            continue;
        }
        if (TryLockFile(file->lock_, 0)) {
            // Another copy may have made and left the file while this one looked.
            if (!QFileInfo::exists(file->path_)) {
                return file;
            }
        } else if (file->lock_.error() != QLockFile::LockFailedError) {
            return nullptr;
        }
    }
    return nullptr;
}

std::unique_ptr<KeptFile> KeptFile::Claim(const QString& folder, const QString& path) {
    const QFileInfo file(path);
    if (folder.isEmpty() || file.absolutePath() != QFileInfo(folder).absoluteFilePath() ||
        !QDir::match(kKeptNames, file.fileName())) {
        return nullptr;
    }
    auto kept = std::make_unique<KeptFile>(file.absoluteFilePath());
    return TryLockFile(kept->lock_, 0) ? std::move(kept) : nullptr;
}

} // namespace tess
