// Picture decoding and the bitmap file.
#include "display/picture_file.h"

#include "persist/persist.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QPainter>

namespace tess {

namespace {

// Decoded pixels allowed per picture, in megabytes (about 11000 x 11000 pixels).
constexpr int kAllocationLimitMegabytes = 512;
// Picture sizes are kept in 16-bit integers.
constexpr int kLargestSide = 32767;

bool IsTooLarge(const QSize& size) {
    const qint64 bytes = qint64(size.width()) * size.height() * qint64(sizeof(QRgb));
    return size.width() > kLargestSide || size.height() > kLargestSide ||
           bytes > qint64(kAllocationLimitMegabytes) * 1024 * 1024;
}

QString TooLarge(const QSize& size) {
    return QCoreApplication::translate("PictureFile", "is too large (%1 x %2 pixels)")
        .arg(size.width())
        .arg(size.height());
}

} // namespace

PictureError::PictureError(const QString& path, const QString& problem)
    : SurfaceError(QCoreApplication::translate("PictureFile", "the picture \"%1\" %2")
                       .arg(QDir::toNativeSeparators(path), problem)
                       .toStdString()),
      problem_(problem) {}

QImage ReadPicture(const QString& picturePath) {
    QFile file;
    if (const QString reason = OpenRegularFile(file, picturePath); !reason.isEmpty()) {
        throw PictureError(
            picturePath,
            QCoreApplication::translate("PictureFile", "cannot be read (%1)").arg(reason));
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    // The header alone gives the size: a picture too large is refused without decoding it.
    if (const QSize size = reader.size(); IsTooLarge(size)) {
        throw PictureError(picturePath, TooLarge(size));
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        throw PictureError(picturePath,
                           QCoreApplication::translate("PictureFile", "cannot be read (%1)")
                               .arg(reader.errorString()));
    }
    if (IsTooLarge(picture.size())) {
        throw PictureError(picturePath, TooLarge(picture.size()));
    }
    QImage bitmap;
    if (picture.hasAlphaChannel()) {
        bitmap = QImage(picture.size(), QImage::Format_RGB32);
        if (!bitmap.isNull()) {
            bitmap.fill(Qt::white);
            QPainter(&bitmap).drawImage(0, 0, picture);
        }
    } else {
        bitmap = picture.convertToFormat(QImage::Format_RGB32);
    }
    if (bitmap.isNull()) {
        throw PictureError(picturePath, QCoreApplication::translate(
                                            "PictureFile", "is too large for the memory left"));
    }
    return bitmap;
}

bool IsPictureFile(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path).isEmpty()) {
        return false;
    }
    return QImageReader(&file).canRead();
}

void WritePictureBitmap(const QImage& picture, const QString& bitmapPath) {
    // Written beside and then put in place, so a full disk leaves the old bitmap whole.
    const QString error = WriteFileSafely(
        bitmapPath, [&picture](QIODevice& device) { return picture.save(&device, "BMP"); });
    if (!error.isEmpty()) {
        throw SurfaceError(QCoreApplication::translate("PictureFile", "cannot write %1: %2")
                               .arg(bitmapPath, error)
                               .toStdString());
    }
}

void ConvertPictureToBitmap(const QString& picturePath, const QString& bitmapPath) {
    WritePictureBitmap(ReadPicture(picturePath), bitmapPath);
}

} // namespace tess
