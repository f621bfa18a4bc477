// Picture decoding and the bitmap file.
#include "display/picture_file.h"

#include "display/surface.h"
#include "persist/safe_file.h"

#include <QImageReader>
#include <QPainter>

namespace tess {

namespace {

// Decoded pixels allowed per picture, in megabytes (about 11000 x 11000 pixels).
constexpr int kAllocationLimitMegabytes = 512;
// Picture sizes are kept in 16-bit integers.
constexpr int kLargestSide = 32767;

} // namespace

void ConvertPictureToBitmap(const QString& picturePath, const QString& bitmapPath) {
    QImageReader reader(picturePath);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    const QSize size = reader.size();
    if (size.width() > kLargestSide || size.height() > kLargestSide) {
        throw SurfaceError("picture too large");
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        throw SurfaceError(QStringLiteral("cannot read %1: %2")
                               .arg(picturePath, reader.errorString())
                               .toStdString());
    }
    if (picture.width() > kLargestSide || picture.height() > kLargestSide) {
        throw SurfaceError("picture too large");
    }
    QImage bitmap(picture.size(), QImage::Format_RGB32);
    if (bitmap.isNull()) {
        throw SurfaceError("out of memory for the picture");
    }
    if (picture.hasAlphaChannel()) {
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, picture);
    } else {
        bitmap = picture.convertToFormat(QImage::Format_RGB32);
    }
    // Written beside and then put in place, so a full disk leaves the old bitmap whole.
    const QString error = WriteFileSafely(
        bitmapPath, [&bitmap](QIODevice& device) { return bitmap.save(&device, "BMP"); });
    if (!error.isEmpty()) {
        throw SurfaceError(
            QStringLiteral("cannot write %1: %2").arg(bitmapPath, error).toStdString());
    }
}

} // namespace tess
