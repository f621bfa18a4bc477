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

// A width x height harbour whose grain makes neighbouring pixels differ, so a copy shifted
// by one pixel shows, but for a 12 x 12 block at (2, 2) in the transparent key colour.
inline QImage PatternPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(width / 480.0, height / 360.0);
    QLinearGradient sky(0, 0, 0, 225);
    sky.setColorAt(0, QColor(40, 60, 140));
    sky.setColorAt(1, QColor(250, 170, 90));
    painter.fillRect(0, 0, 480, 225, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 120));
    painter.drawEllipse(QPointF(330, 170), 38, 38);
    painter.fillRect(0, 225, 480, 135, QColor(20, 60, 110));
    for (int i = 0; i < 4; ++i) {
        const qreal x = 40 + i * 110, y = 260 + (i % 2) * 50;
        painter.setBrush(QColor(200 - i * 30, 60 + i * 40, 50));
        painter.drawPolygon(QPolygonF({{x, y}, {x + 70, y}, {x + 58, y + 16}, {x + 12, y + 16}}));
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned hash = (unsigned(x) * 2654435761u) ^ (unsigned(y) * 40503u);
            line[x] ^= (hash >> 4) & 0x070707u;
        }
    }
    // A block of the key colour, large enough to outlast scaling.
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

// Opens a width x height PatternPicture cut into the given number of pieces, as Open does
// after its file dialog: the picture file name, then SetWholeImage.
inline void OpenPatternPicture(GameFixture& f, Integer pieces, int width, int height,
                               const QString& name = QStringLiteral("p.bmp")) {
    f.game->puzzle.NumberOfPieces = pieces;
    SetPictureFileName(f.game->puzzle, WritePatternPicture(f.ProgramFolder(), name, width, height));
    f.game->SetWholeImage();
}

} // namespace tess::test
