// Saves pictures of the Game menu's help for the documentation (run it in a virtual X display):
//   tessellara_assist_shots OUTPUT_FOLDER
// A 324-piece game scrambled, arranged, then gathered (game-scrambled.png, game-arranged.png,
// game-gathered.png) in a 1200 x 800 window; in an 800 x 560 one, a 64-piece game of a smaller
// picture with some pieces placed and the others arranged around the board: the progress text
// (game-progress.png), then the faint picture (game-faint-picture.png).
#include "shot_picture.h"
#include "window/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QThread>

namespace {

bool Shot(tess::MainWindow& window, const QString& path) {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    return window.grab().save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    tess::bench::ShotWindow started;
    const QTemporaryDir& folder = started.folder;
    tess::MainWindow& window = started.window;
    window.resize(1200, 800);
    QApplication::processEvents();

    const QString picture = folder.path() + QStringLiteral("/landscape.jpg");
    tess::Game& game = window.game();
    auto open = [&](tess::Integer pieces, QSize size) {
        tess::bench::Landscape(size.width(), size.height()).save(picture);
        game.puzzle.NumberOfPieces = pieces;
        tess::SetPictureFileName(game.puzzle, picture);
        game.SetWholeImage();
        game.mnuFileScramble_Click();
    };
    open(324, {900, 600});
    bool saved = Shot(window, out + QStringLiteral("game-scrambled.png"));
    window.mnuGameArrangePieces->trigger();
    saved = Shot(window, out + QStringLiteral("game-arranged.png")) && saved;
    window.mnuGameGatherEdgePieces->trigger();
    saved = Shot(window, out + QStringLiteral("game-gathered.png")) && saved;

    window.resize(800, 560);
    QApplication::processEvents();
    open(64, {510, 340});
    for (int i = 0; i < 12; ++i) {
        game.mnuFileHint_Click();
    }
    game.puzzle.ElapsedSeconds = 754;
    window.mnuGameArrangePieces->trigger();
    window.mnuGameShowProgress->trigger();
    saved = Shot(window, out + QStringLiteral("game-progress.png")) && saved;
    window.mnuGameFaintPicture->trigger();
    saved = Shot(window, out + QStringLiteral("game-faint-picture.png")) && saved;
    return saved ? 0 : 1;
}
