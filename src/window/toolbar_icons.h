// The two 16 x 15 toolbar pictures, drawn by the program itself at whatever size the screen
// asks for, so they stay sharp at any device pixel ratio.
#pragma once

#include <QIcon>

namespace tess {

// An opening yellow folder with a curved arrow.
QIcon OpenFolderIcon();
// A floppy disk.
QIcon FloppyDiskIcon();

} // namespace tess
