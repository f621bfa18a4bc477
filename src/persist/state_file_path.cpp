// The picture path of record 1: 128 bytes of Windows-1252, padded with spaces, holding the
// whole path or, when that is too long, the path from the state file's folder.
#include "persist/state_file.h"
#include "persist/state_file_records.h"
#include "persist/windows_1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tess {

namespace state_records {

namespace {

// The reader drops the padding, so a path ending in a space would not come back.
bool Fits(const QString& path) {
    return path.size() <= kPictureFileNameLength && !path.endsWith(QLatin1Char(' ')) &&
           FirstCharacterNotInWindows1252(path).isEmpty();
}

} // namespace

QString PictureRecord(const QString& picturePath, const QString& stateFilePath, QByteArray& field) {
    const QString whole = QFileInfo(picturePath).absoluteFilePath();
    const QString relative = QDir(QFileInfo(stateFilePath).absolutePath()).relativeFilePath(whole);
    for (const QString& path : {whole, relative}) {
        if (Fits(path)) {
            field = ToWindows1252(path.leftJustified(kPictureFileNameLength, QLatin1Char(' ')));
            return QString();
        }
    }
    // The relative path is made of the whole path's end, dots and slashes.
    if (const QString character = FirstCharacterNotInWindows1252(relative); !character.isEmpty()) {
        return QCoreApplication::translate(
                   "StateFile", "the path of its picture contains the character \"%1\", and a "
                                "puzzle state file can only store Windows-1252 characters")
            .arg(character);
    }
    if (whole.endsWith(QLatin1Char(' '))) {
        return QCoreApplication::translate(
            "StateFile",
            "the name of its picture ends in a space, which a puzzle state file cannot keep");
    }
    return QCoreApplication::translate(
               "StateFile", "the path of its picture is longer than the %1 characters a puzzle "
                            "state file holds, also from the folder the game is saved in (save it "
                            "nearer to the picture, or give the picture a shorter path)")
        .arg(kPictureFileNameLength);
}

} // namespace state_records

void ResolvePicturePath(SavedGame& game, const QString& stateFilePath) {
    if (QDir::isRelativePath(game.PicturePath)) {
        game.PicturePath = QDir::cleanPath(QFileInfo(stateFilePath).absolutePath() +
                                           QLatin1Char('/') + game.PicturePath);
    }
}

} // namespace tess
