// Shows a real main window with a cut puzzle and saves a picture of it:
//   tessellara_cut_shot OUTPUT.png [WIDTH HEIGHT]
// The window is WIDTH x HEIGHT (1000 x 700 unless given) in points: with QT_SCALE_FACTOR the
// picture has that many more device pixels.
// Some pieces lie in place, the others loose and outlined around the board.
#include "shot_picture.h"
#include "window/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QThread>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    tess::bench::ShotWindow started;
    const QTemporaryDir& folder = started.folder;
    tess::MersenneRandom& random = started.random;
    tess::MainWindow& window = started.window;
    window.resize(argc >= 4 ? QString::fromLocal8Bit(argv[2]).toInt() : 1000,
                  argc >= 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 700);
    QApplication::processEvents();

    const QString picture = folder.path() + QStringLiteral("/landscape.jpg");
    tess::bench::Landscape(900, 600).save(picture);
    tess::Game& game = window.game();
    game.puzzle.NumberOfPieces = 48;
    tess::SetPictureFileName(game.puzzle, picture);
    game.SetWholeImage();

    // Without the scramble: the first rows in place, the rest loose around the board.
    tess::Puzzle& puzzle = game.puzzle;
    const QSize field = window.picPuzzle->ScaleSize();
    puzzle.GroupOrder.assign(1, 0);
    puzzle.PlacedPieces.assign(1, 0);
    puzzle.PlacedCount = 0;
    for (tess::Integer i = 1; i <= puzzle.NumberOfPieces; ++i) {
        tess::PieceRecord& piece = puzzle.Pieces[i];
        puzzle.Groups[i].Members = {0, i};
        puzzle.Groups[i].MemberCount = 1;
        piece.Group = i;
        if (piece.Row < 2) {
            piece.X = piece.HomeX;
            piece.Y = piece.HomeY;
            puzzle.Groups[i].InPlace = tess::kTrue;
            puzzle.PlacedPieces.push_back(i);
            ++puzzle.PlacedCount;
        } else {
            piece.X = tess::Long(random.Next() * float(field.width() - 2 * puzzle.CellWidth));
            piece.Y = tess::Long(field.height() / 3 + random.Next() * float(field.height() * 2 / 3 -
                                                                            puzzle.CellHeight * 2));
        }
        puzzle.GroupOrder.push_back(i);
    }
    puzzle.GroupOrderCount = puzzle.NumberOfPieces;
    game.picPuzzle_Paint();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    const QPixmap shot = window.grab();
    qInfo("shot %dx%d loaded %d", shot.width(), shot.height(), int(puzzle.PuzzleLoaded));
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
