// Shows a real main window with a cut puzzle and saves a picture of it:
//   tessellara_cut_shot OUTPUT.png [WIDTH HEIGHT]
// The window is WIDTH x HEIGHT (1000 x 700 unless given) in points: with QT_SCALE_FACTOR the
// picture has that many more device pixels.
// Some pieces lie in place, the others loose and outlined around the board.
#include "window/main_window.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <QThread>

namespace {

QImage Landscape(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(0.55, QColor(250, 190, 120));
    sky.setColorAt(1, QColor(60, 110, 60));
    painter.fillRect(image.rect(), sky);
    QRadialGradient sun(width * 0.7, height * 0.45, height * 0.18);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(255, 170, 80, 0));
    painter.setBrush(sun);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(width * 0.7, height * 0.45), height * 0.18, height * 0.18);
    painter.setBrush(QColor(30, 70, 40));
    QPolygonF hills;
    hills << QPointF(0, height);
    for (int x = 0; x <= width; x += 20) {
        hills << QPointF(x, height * 0.7 - 40 * std::sin(x / 90.0) - 25 * std::sin(x / 37.0));
    }
    hills << QPointF(width, height);
    painter.drawPolygon(hills);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    QTemporaryDir folder;
    tess::SettingsStore store(folder.path() + QStringLiteral("/settings.ini"));
    tess::MersenneRandom random(11u);
    tess::ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    tess::MainWindow window(store, random, facts);
    window.Start();
    window.resize(argc >= 4 ? QString::fromLocal8Bit(argv[2]).toInt() : 1000,
                  argc >= 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 700);
    QApplication::processEvents();

    const QString picture = folder.path() + QStringLiteral("/landscape.jpg");
    Landscape(900, 600).save(picture);
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
