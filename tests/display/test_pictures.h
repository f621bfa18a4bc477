// Pictures and surfaces made for the display tests.
#pragma once

#include "display/surface.h"
#include "support/recording_host.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace tess::test {

// The pixel value at (x, y), without alpha.
inline QRgb At(const Surface& s, int x, int y) { return s.Image().pixel(x, y) & 0xFFFFFFu; }

// A width x height picture of smooth gradients whose grain makes neighbouring pixels differ,
// so a copy shifted by one pixel shows, but for a 12 x 12 block at (2, 2) in the transparent
// key colour. Elsewhere green and blue both follow the row and never meet the key's.
inline QImage PatternPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned hash = (unsigned(x) * 2654435761u) ^ (unsigned(y) * 40503u);
            line[x] = qRgb(40 + 200 * x / width, 60 + 160 * y / height, 140 - 100 * y / height) ^
                      ((hash >> 4) & 0x070707u);
        }
    }
    QPainter(&image).fillRect(QRect(2, 2, 12, 12).intersected(image.rect()), QColor(0xC2B853));
    return image;
}

// Saves PatternPicture in the folder under the name (format from the suffix); the path.
inline QString WritePatternPicture(const QString& folder, const QString& name, int width,
                                   int height) {
    const QString path = folder + QLatin1Char('/') + name;
    PatternPicture(width, height).save(path);
    return path;
}

// Opens a width x height PatternPicture cut into the given number of pieces on a back buffer
// of the host's field, as Open does after its file dialog: the picture file name, then
// SetWholeImage.
inline void OpenPatternPicture(GameFixture& f, Integer pieces, int width, int height,
                               const QString& name = QStringLiteral("p.bmp")) {
    f.game->InitDirectDraw();
    f.game->puzzle.NumberOfPieces = pieces;
    SetPictureFileName(f.game->puzzle, WritePatternPicture(f.ProgramFolder(), name, width, height));
    f.game->SetWholeImage();
}

} // namespace tess::test
