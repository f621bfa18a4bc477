// Saving and loading unfinished games. A save replaces its target only when the whole
// file is written; a load checks the file and the picture before it touches the game on
// the screen, and puts that game back if rebuilding the loaded one fails.
#include "display/picture_file.h"
#include "game/game.h"
#include "persist/persist.h"
#include "puzzle/saved_field.h"

#include <QDir>
#include <QFile>
#include <exception>
#include <stdexcept>

namespace tess {

namespace {

// Why the picture of a saved game cannot be cut again; empty when it can.
QString PictureProblem(const QString& path) {
    // The same reading and limits as opening a picture.
    QImage image;
    try {
        image = ReadPicture(path);
    } catch (const PictureError& failure) {
        return Game::tr("its picture \"%1\" %2")
            .arg(QDir::toNativeSeparators(path), failure.Problem());
    }
    if (image.width() <= 32 || image.height() <= 32) {
        return Game::tr("its picture \"%1\" is smaller than 33 x 33 pixels")
            .arg(QDir::toNativeSeparators(path));
    }
    return QString();
}

// The file's bytes, or why they cannot be had. The file is closed on return.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString& error) {
    QFile file;
    if (const QString reason = OpenRegularFile(file, path); !reason.isEmpty()) {
        error = Game::tr("it cannot be opened (%1)").arg(reason);
        return std::nullopt;
    }
    QByteArray bytes = file.read(StateFileMaxSize());
    if (file.error() != QFileDevice::NoError) {
        error = Game::tr("it cannot be read (%1)").arg(file.errorString());
        return std::nullopt;
    }
    return bytes;
}

} // namespace

void Game::mnuFileSavePuzzleState_Click() {
    if (!puzzle.PuzzleLoaded) {
        return;
    }
    const std::optional<QString> chosen = host_.AskSaveFileName(tr("Puzzle State Files|*.psf"));
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    // The picture's path is stored relative to the file when it is too long: the file's
    // name is needed before a game the format cannot hold is refused, with nothing written.
    const StateFileWriteResult written = WriteStateFile(puzzle, *chosen);
    if (!written.error.isEmpty()) {
        host_.ShowMessage(tr("This game cannot be saved: %1.").arg(written.error),
                          tr("Save Puzzle State"));
        return;
    }
    // On any failure the old file stays as it was.
    if (const QString reason = WriteFileSafely(*chosen, written.bytes); !reason.isEmpty()) {
        host_.ShowMessage(
            tr("The puzzle state could not be saved to \"%1\": %2. No file was changed.")
                .arg(QDir::toNativeSeparators(*chosen), reason),
            tr("Save Puzzle State"));
    }
}

void Game::mnuFileLoadPuzzleState_Click() {
    const std::optional<QString> chosen =
        host_.AskOpenFileName(tr("Puzzle State Files|*.psf"), QString());
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    puzzle.PuzzleStateFileName = *chosen;
    LoadPuzzleState();
}

bool Game::LoadPuzzleState() {
    const QString path = puzzle.PuzzleStateFileName;
    auto report = [this, &path](const QString& problem) {
        QString text = tr("The puzzle state file \"%1\" cannot be loaded: %2.")
                           .arg(QDir::toNativeSeparators(path), problem);
        if (puzzle.PuzzleLoaded) {
            text += QStringLiteral("\n\n") + tr("The current game goes on unchanged.");
        }
        host_.ShowMessage(text, tr("Load Puzzle State"));
    };

    // Everything is checked before the game on the screen, or its clock, is touched.
    QString readError;
    const std::optional<QByteArray> bytes = ReadWholeFile(path, readError);
    if (!bytes) {
        report(readError);
        return false;
    }
    StateFileReadResult read = ReadStateFile(*bytes);
    if (!read.game) {
        report(read.error);
        return false;
    }
    ResolvePicturePath(*read.game, path);
    if (const QString problem = PictureProblem(read.game->PicturePath); !problem.isEmpty()) {
        report(problem);
        return false;
    }

    // Rebuilding cuts the picture again and overwrites the temporary bitmap; keep what is
    // needed to put the current game back should any step fail.
    const Puzzle previousPuzzle = puzzle;
    const Surfaces previousSurfaces = surfaces;
    const bool previousTimer = TimerEnabled();
    std::optional<QByteArray> previousBitmap;
    if (QByteArray bitmap; ReadRegularFile(WholeImageTempPath(), bitmap).isEmpty()) {
        previousBitmap = bitmap;
    }

    try {
        SetTimer(false);
        RestoreSavedGame(puzzle, std::move(*read.game));
        GetOriginalImageSize();
        // The stored positions belong to the play field the game was saved on: they are
        // scaled from that field's size to this one, as a resize scales them.
        const QSize field = host_.PlayFieldSize();
        const FieldSize savedField = SavedFieldSize(puzzle, field.width(), field.height());
        puzzle.PuzzleLoaded = kTrue;
        EnableCommands();
        ResizePuzzle();
        if (!puzzle.PuzzleLoaded) {
            // Cutting reported its own failure and gave up the puzzle.
            throw std::runtime_error(tr("its pieces could not be cut").toStdString());
        }
        puzzle.PreviousScaleWidth = savedField.Width;
        puzzle.PreviousScaleHeight = savedField.Height;
        ScalePiecesPosition();
        puzzle.PreviousScaleWidth = previousPuzzle.PreviousScaleWidth;
        puzzle.PreviousScaleHeight = previousPuzzle.PreviousScaleHeight;
        AlignAllGroups();
        picPuzzle_Paint();
        // A finished game has nothing left to time.
        SetTimer(!puzzle.PuzzleSolved);
        AnnounceReplaced();
        return true;
    } catch (const std::exception& failure) {
        puzzle = previousPuzzle;
        surfaces = previousSurfaces;
        if (previousBitmap) {
            WriteFileSafely(WholeImageTempPath(), *previousBitmap);
        } else {
            QFile::remove(WholeImageTempPath());
        }
        host_.SetPuzzleCommandsEnabled(puzzle.PuzzleLoaded != kFalse);
        try {
            picPuzzle_Paint();
        } catch (const std::exception&) {
            // The previous frame stays on the screen; the model is whole again.
        }
        SetTimer(previousTimer);
        report(tr("the puzzle could not be rebuilt from it (%1)")
                   .arg(QString::fromLocal8Bit(failure.what())));
        return false;
    }
}

} // namespace tess
