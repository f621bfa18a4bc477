// Pictures made for the display tests: a harbour scene with a fine grain on every pixel.
#pragma once

#include "support/recording_host.h"

#include <QImage>
#include <QString>

namespace tess::test {

// A width x height harbour at dusk whose grain makes neighbouring pixels differ, so a copy
// shifted by one pixel shows, but for a 12 x 12 block at (2, 2) in the transparent key
// colour.
QImage PatternPicture(int width, int height);

// Saves PatternPicture in the folder under the name (format from the suffix); the path.
QString WritePatternPicture(const QString& folder, const QString& name, int width, int height);

// Opens a width x height PatternPicture cut into the given number of pieces, as Open does
// after its file dialog: the picture file name, then SetWholeImage.
void OpenPatternPicture(GameFixture& f, Integer pieces, int width, int height,
                        const QString& name = QStringLiteral("p.bmp"));

} // namespace tess::test
