// Test pictures.
#include "test_pictures.h"

namespace tess::test {

QImage PatternPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned hash = (unsigned(x) * 2654435761u) ^ (unsigned(y) * 40503u);
            line[x] = qRgb((x * 7 + (hash & 0x3F)) & 0xFF, (y * 5 + ((hash >> 8) & 0x3F)) & 0xFF,
                           ((x + y) * 3 + ((hash >> 16) & 0x3F)) & 0xFF);
        }
    }
    if (width > 3 && height > 2) {
        image.setPixel(3, 2, 0xFFC2B853u);
    }
    return image;
}

QString WritePatternPicture(const QString& folder, const QString& name, int width, int height) {
    const QString path = folder + QLatin1Char('/') + name;
    PatternPicture(width, height).save(path);
    return path;
}

} // namespace tess::test
