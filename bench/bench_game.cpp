// The benchmarks' game and picture.
#include "bench_game.h"

#include <QImage>

namespace tess::bench {

namespace {

QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned hash = (unsigned(x) * 2654435761u) ^ (unsigned(y) * 40503u);
            line[x] = qRgb((x / 7 + (hash & 0x1F)) & 0xFF, (y / 5 + ((hash >> 8) & 0x1F)) & 0xFF,
                           ((x + y) / 9) & 0xFF);
        }
    }
    return image;
}

} // namespace

BenchGame::BenchGame(QSize field, Integer pieces) {
    host.field = field;
    store = std::make_unique<SettingsStore>(folder.path() + QStringLiteral("/settings.ini"));
    ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    facts.UserDataFolder = folder.path() + QStringLiteral("/data");
    game = std::make_unique<Game>(host, *store, random, facts);
    const QString path = folder.path() + QStringLiteral("/picture.bmp");
    Picture(2400, 1600).save(path);
    game->InitDirectDraw();
    game->puzzle.NumberOfPieces = pieces;
    SetPictureFileName(game->puzzle, path);
    game->SetWholeImage();

    Puzzle& puzzle = game->puzzle;
    puzzle.GroupOrder.assign(1, 0);
    for (Integer i = 1; i <= pieces; ++i) {
        puzzle.Groups[i].Members = {0, i};
        puzzle.Groups[i].MemberCount = 1;
        puzzle.Pieces[i].Group = i;
        puzzle.Pieces[i].X = Long(random.Next() * float(field.width() - puzzle.CellWidth));
        puzzle.Pieces[i].Y = Long(random.Next() * float(field.height() - puzzle.CellHeight));
        puzzle.GroupOrder.push_back(i);
    }
    puzzle.GroupOrderCount = pieces;
    game->settings.OutlinePieces = true;
    game->settings.ViewPreview = true;
}

} // namespace tess::bench
