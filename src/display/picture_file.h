// Turning a picture file (BMP, JPEG, GIF) into the bitmap file every surface is made from.
#pragma once

#include "display/surface.h"

#include <QImage>
#include <QString>

namespace tess {

// A picture that cannot become a puzzle. Problem() says what is wrong with it, worded to
// follow the picture's name: "is too large (30000 x 30000 pixels)", "cannot be read (...)".
class PictureError : public SurfaceError {
public:
    PictureError(const QString& path, const QString& problem);
    const QString& Problem() const { return problem_; }

private:
    QString problem_;
};

// Decodes the picture at its natural size; transparent parts become white. A picture whose
// size, read from its header, is above what the program handles (a side above 32767
// pixels, or more than 512 MB of pixels) is refused before anything is decoded. Throws
// PictureError.
QImage ReadPicture(const QString& picturePath);

// True when the file is a picture that ReadPicture can decode, judged as it reads it: by the
// file's content (its name only choosing which decoder to ask first), without decoding it.
bool IsPictureFile(const QString& path);

// Writes the picture, overwriting, as a Windows bitmap; on failure (SurfaceError) the old
// file stays as it was.
void WritePictureBitmap(const QImage& picture, const QString& bitmapPath);

// Both of the above: the picture file as a bitmap at its natural size.
void ConvertPictureToBitmap(const QString& picturePath, const QString& bitmapPath);

} // namespace tess
