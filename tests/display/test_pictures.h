// Pictures made for the display tests: a busy pattern in which neighbouring pixels differ.
#pragma once

#include <QImage>
#include <QString>

namespace tess::test {

// A width x height picture whose every pixel differs from its neighbours; pixel (3, 2)
// carries the transparent key colour 0xC2B853.
QImage PatternPicture(int width, int height);

// Saves PatternPicture in the folder under the name (format from the suffix); the path.
QString WritePatternPicture(const QString& folder, const QString& name, int width, int height);

} // namespace tess::test
