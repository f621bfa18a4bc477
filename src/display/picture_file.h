// Turning a picture file (BMP, JPEG, GIF) into the bitmap file every surface is made from.
#pragma once

#include <QString>

namespace tess {

// Reads the picture and writes it, overwriting, as a Windows bitmap at its natural size.
// Transparent parts of the picture become white. Throws SurfaceError when the picture
// cannot be read (unreadable, unknown format, a side above 32767 pixels, too large to
// decode) or the bitmap cannot be written.
void ConvertPictureToBitmap(const QString& picturePath, const QString& bitmapPath);

} // namespace tess
