// Surface operations over QImage (Format_RGB32).
#include "display/surface.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace tess {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbMask = 0x00FFFFFFu;

QImage ReadBitmap(const QString& path) {
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        throw SurfaceError(QStringLiteral("cannot read %1: %2").arg(path, reader.errorString()).toStdString());
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The part of a rectangle that lies within 0..width x 0..height.
Rect Clip(const Rect& r, Long width, Long height) {
    return Rect{std::max<Long>(r.Left, 0), std::max<Long>(r.Top, 0), std::min<Long>(r.Right, width),
                std::min<Long>(r.Bottom, height)};
}

} // namespace

Surface Surface::CreateSurface(Long width, Long height) {
    if (width <= 0 || height <= 0) {
        throw SurfaceError("a surface needs a positive width and height");
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        throw SurfaceError("out of memory for a surface");
    }
    image.fill(kOpaque);
    return Surface(std::move(image));
}

Surface Surface::CreateSurfaceFromFile(const QString& path) { return Surface(ReadBitmap(path)); }

Surface Surface::CreateSurfaceFromFile(const QString& path, Long width, Long height) {
    if (width <= 0 || height <= 0) {
        throw SurfaceError("a surface needs a positive width and height");
    }
    QImage image = ReadBitmap(path);
    if (image.width() != width || image.height() != height) {
        image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    }
    return Surface(std::move(image));
}

SurfaceDesc Surface::GetSurfaceDesc() const { return SurfaceDesc{image_.width(), image_.height()}; }

void Surface::Release() {
    image_ = QImage();
    colorKey_ = -1;
}

void Surface::SetColorKey(Long key) { colorKey_ = key; }

void Surface::BltColorFill(const Rect& rect, Long pixel) {
    if (image_.isNull()) {
        return;
    }
    const Rect r = rect == WholeRect ? Rect{0, 0, image_.width(), image_.height()}
                                     : Clip(rect, image_.width(), image_.height());
    const QRgb value = kOpaque | (static_cast<QRgb>(pixel) & kRgbMask);
    for (Long y = r.Top; y < r.Bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + r.Left, line + std::max(r.Left, r.Right), value);
    }
}

void Surface::BltFast(Long x, Long y, const Surface& source, const Rect& sourceRect, int flags) {
    if (image_.isNull() || source.image_.isNull()) {
        return;
    }
    Rect src = sourceRect == WholeRect ? Rect{0, 0, source.image_.width(), source.image_.height()}
                                       : sourceRect;
    // Clip against the source, moving the destination with it.
    const Rect clippedSrc = Clip(src, source.image_.width(), source.image_.height());
    x += clippedSrc.Left - src.Left;
    y += clippedSrc.Top - src.Top;
    src = clippedSrc;
    // Clip against the destination.
    if (x < 0) {
        src.Left -= x;
        x = 0;
    }
    if (y < 0) {
        src.Top -= y;
        y = 0;
    }
    src.Right = std::min<Long>(src.Right, src.Left + (image_.width() - x));
    src.Bottom = std::min<Long>(src.Bottom, src.Top + (image_.height() - y));
    const Long width = src.Right - src.Left;
    if (width <= 0 || src.Bottom <= src.Top) {
        return;
    }
    const bool keyed = (flags & 0x01) != 0 && source.colorKey_ >= 0;
    const QRgb key = static_cast<QRgb>(source.colorKey_) & kRgbMask;
    for (Long row = src.Top; row < src.Bottom; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(source.image_.constScanLine(row)) + src.Left;
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y + row - src.Top)) + x;
        if (!keyed) {
            std::copy(from, from + width, to);
            continue;
        }
        for (Long i = 0; i < width; ++i) {
            if ((from[i] & kRgbMask) != key) {
                to[i] = from[i];
            }
        }
    }
}

void Surface::SetForeColor(Long color) { foreColor_ = color; }

void Surface::DrawText(Long x, Long y, const QString& text) {
    if (image_.isNull()) {
        return;
    }
    QPainter painter(&image_);
    painter.setPen(QColor(foreColor_ & 0xFF, (foreColor_ >> 8) & 0xFF, (foreColor_ >> 16) & 0xFF));
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, y + metrics.ascent(), text);
}

} // namespace tess
