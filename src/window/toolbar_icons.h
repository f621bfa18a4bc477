// The two 16 x 15 toolbar pictures, drawn by the program itself.
#pragma once

#include <QPixmap>

namespace tess {

// An opening yellow folder with a curved arrow.
QPixmap OpenFolderIcon();
// A floppy disk.
QPixmap FloppyDiskIcon();

} // namespace tess
