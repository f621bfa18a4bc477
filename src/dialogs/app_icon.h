// The program's 32 x 32 icon: four interlocking jigsaw pieces on black.
#pragma once

#include <QImage>

namespace tess {

// Green top left, yellow top right, red bottom left, blue bottom right.
QImage AppIconImage();

} // namespace tess
