// Pixel art of the toolbar buttons, row by row: one character per pixel.
#include "window/toolbar_icons.h"

#include <QColor>
#include <QImage>
#include <array>

namespace tess {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

QColor PaletteColor(char c) {
    switch (c) {
    case 'k':
        return QColor(0, 0, 0);
    case 'y':
        return QColor(255, 255, 0);
    case 'o':
        return QColor(128, 128, 0);
    case 'w':
        return QColor(255, 255, 255);
    case 'g':
        return QColor(128, 128, 128);
    case 's':
        return QColor(192, 192, 192);
    case 'b':
        return QColor(0, 0, 128);
    case 'c':
        return QColor(0, 128, 128);
    default:
        return QColor(0, 0, 0, 0);
    }
}

QPixmap FromRows(const std::array<const char*, kHeight>& rows) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            image.setPixelColor(x, y, PaletteColor(rows[y][x]));
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap OpenFolderIcon() {
    return FromRows({
        "................",
        "..........kkk...",
        ".........k...k.k",
        "..............kk",
        ".kkk.........kkk",
        "kwywk...........",
        "kywywkkkkkkkk...",
        "kwywywywywywk...",
        "kywywywkkkkkkkkk",
        "kwywywkooooooook",
        "kywywkooooooook.",
        "kwywkooooooook..",
        "kywkooooooook...",
        "kkkkkkkkkkkk....",
        "................",
    });
}

QPixmap FloppyDiskIcon() {
    return FromRows({
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kcckwwwwwwkcck.",
        ".kcckwwwwwwkcck.",
        ".kcckwwwwwwkcck.",
        ".kcckwwwwwwkcck.",
        ".kccckkkkkkccck.",
        ".kcccccccccccck.",
        ".kcckkkkkkkkcck.",
        ".kcckssssksskck.",
        ".kcckssssksskck.",
        ".kcckssssksskck.",
        "..kkkkkkkkkkkkk.",
        "................",
        "................",
    });
}

} // namespace tess
