// Surface operations over QImage (Format_RGB32).
#include "display/surface.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace tess {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbMask = 0x00FFFFFFu;
// Largest picture a surface is made from, in megabytes of decoded pixels (about 11000 x
// 11000); larger files are refused instead of exhausting memory.
constexpr int kAllocationLimitMegabytes = 512;

QImage ReadBitmap(const QString& path) {
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull()) {
        throw SurfaceError(
            QStringLiteral("cannot read %1: %2").arg(path, reader.errorString()).toStdString());
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Stretch(const QImage& image, Long width, Long height) {
    if (width <= 0 || height <= 0) {
        throw SurfaceError("a surface needs a positive width and height");
    }
    if (image.width() == width && image.height() == height) {
        return image;
    }
    QImage scaled = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    if (scaled.isNull()) {
        throw SurfaceError("out of memory for a surface");
    }
    return scaled;
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
    return Surface(Stretch(ReadBitmap(path), width, height));
}

Surface Surface::CreateStretchedSurface(const Surface& source, Long width, Long height) {
    if (source.IsNull()) {
        throw SurfaceError("no surface to stretch");
    }
    return Surface(Stretch(source.image_, width, height));
}

SurfaceDesc Surface::GetSurfaceDesc() const { return SurfaceDesc{image_.width(), image_.height()}; }

void Surface::Release() {
    image_ = QImage();
    colorKey_ = -1;
    runs_ = {};
    rowStart_ = {};
    Changed();
}

void Surface::SetColorKey(Long key) {
    colorKey_ = key;
    Changed();
}

void Surface::PrepareKeyedCopy() {
    runs_.clear();
    rowStart_.assign(std::size_t(std::max(image_.height(), 0)) + 1, 0);
    if (image_.isNull() || colorKey_ < 0) {
        runsValid_ = false;
        return;
    }
    const QRgb key = static_cast<QRgb>(colorKey_) & kRgbMask;
    const Long width = image_.width();
    for (Long y = 0; y < image_.height(); ++y) {
        rowStart_[y] = static_cast<Long>(runs_.size());
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        Long x = 0;
        while (x < width) {
            while (x < width && (line[x] & kRgbMask) == key) {
                ++x;
            }
            const Long start = x;
            while (x < width && (line[x] & kRgbMask) != key) {
                ++x;
            }
            if (x > start) {
                runs_.push_back(Run{start, x - start});
            }
        }
    }
    rowStart_[image_.height()] = static_cast<Long>(runs_.size());
    runs_.shrink_to_fit();
    runsValid_ = true;
}

void Surface::NudgePixels(Long value) {
    if (image_.isNull()) {
        return;
    }
    const QRgb from = static_cast<QRgb>(value) & kRgbMask;
    // One step in blue, downward unless blue is already 0.
    const QRgb to = kOpaque | ((from & 0xFFu) != 0 ? from - 1 : from + 1);
    const Long width = image_.width();
    for (Long y = 0; y < image_.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        const auto* hit = std::find_if(line, line + width,
                                       [from](QRgb pixel) { return (pixel & kRgbMask) == from; });
        if (hit == line + width) {
            continue;
        }
        // Write access only to the rows that change, so an untouched image stays shared.
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (Long x = Long(hit - line); x < width; ++x) {
            if ((row[x] & kRgbMask) == from) {
                row[x] = to;
            }
        }
    }
    Changed();
}

void Surface::BltColorFill(const Rect& rect, Long pixel) {
    if (image_.isNull()) {
        return;
    }
    const Rect r = rect == WholeRect ? Rect{0, 0, image_.width(), image_.height()}
                                     : Clip(rect, image_.width(), image_.height());
    if (r.Right <= r.Left || r.Bottom <= r.Top) {
        return;
    }
    const QRgb value = kOpaque | (static_cast<QRgb>(pixel) & kRgbMask);
    for (Long y = r.Top; y < r.Bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + r.Left, line + r.Right, value);
    }
    Changed();
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
    Changed();
    const bool keyed = (flags & 0x01) != 0 && source.colorKey_ >= 0;
    // bytesPerLine rather than scanLine per row: one detach check for the whole copy.
    uchar* toBits = image_.bits();
    const qsizetype toStride = image_.bytesPerLine();
    const uchar* fromBits = source.image_.constBits();
    const qsizetype fromStride = source.image_.bytesPerLine();
    auto toRow = [&](Long row) {
        return reinterpret_cast<QRgb*>(toBits + toStride * (y + row - src.Top)) + x;
    };
    auto fromRow = [&](Long row) {
        return reinterpret_cast<const QRgb*>(fromBits + fromStride * row);
    };
    if (!keyed) {
        for (Long row = src.Top; row < src.Bottom; ++row) {
            std::memcpy(toRow(row), fromRow(row) + src.Left, std::size_t(width) * sizeof(QRgb));
        }
        return;
    }
    if (source.runsValid_) {
        for (Long row = src.Top; row < src.Bottom; ++row) {
            const QRgb* from = fromRow(row);
            QRgb* to = toRow(row) - src.Left;
            const Run* run = source.runs_.data() + source.rowStart_[row];
            const Run* end = source.runs_.data() + source.rowStart_[row + 1];
            for (; run != end; ++run) {
                const Long a = std::max(run->X, src.Left);
                const Long b = std::min(run->X + run->Length, src.Right);
                if (a < b) {
                    std::memcpy(to + a, from + a, std::size_t(b - a) * sizeof(QRgb));
                }
            }
        }
        return;
    }
    const QRgb key = static_cast<QRgb>(source.colorKey_) & kRgbMask;
    for (Long row = src.Top; row < src.Bottom; ++row) {
        const QRgb* from = fromRow(row) + src.Left;
        QRgb* to = toRow(row);
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
    Changed();
    QPainter painter(&image_);
    painter.setPen(QColor(foreColor_ & 0xFF, (foreColor_ >> 8) & 0xFF, (foreColor_ >> 16) & 0xFF));
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, y + metrics.ascent(), text);
}

} // namespace tess
