// The kept games: each unfinished game in a state file of its own in the per-user data
// folder, held under a lock ("<file>.lock") by the running copy that plays it, so no other
// copy writes it, offers it or removes it.
#pragma once

#include "puzzle/numbers.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

namespace tess {

struct KeptGame {
    QString Path;
    // The file name of the game's picture.
    QString PictureName;
    Integer Placed = 0;
    Integer Pieces = 0;
    QDateTime LastPlayed;
};

// "sunset.jpg - 12 of 64 placed - <when last played>".
QString KeptGameCaption(const KeptGame& game);

// The kept games of the folder that no other running copy holds, `own` left out, newest
// first. A file that does not read as a state file is not offered.
std::vector<KeptGame> ListKeptGames(const QString& folder, const QString& own);

// Removes the oldest kept games of the folder beyond the `keep` newest, but never `own` nor
// one another running copy holds.
void RemoveOldKeptGames(const QString& folder, int keep, const QString& own);

// A kept game's file, held by this copy for as long as the object lives.
class KeptFile {
public:
    // A new file name in the folder ("game-<date>-<time>.psf", made unique), held; none when
    // the folder cannot be made or no lock can be made in it.
    static std::unique_ptr<KeptFile> ClaimNew(const QString& folder);
    // An existing kept game of the folder, unless another running copy holds it.
    static std::unique_ptr<KeptFile> Claim(const QString& folder, const QString& path);

    explicit KeptFile(QString path);
    const QString& Path() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

} // namespace tess
