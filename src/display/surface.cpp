// Surface operations over QImage (Format_RGB32).
#include "display/surface.h"

#include "persist/persist.h"

#include <QCoreApplication>
#include <QImageReader>
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#ifdef __linux__
#include <sys/mman.h>
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tess {

namespace {

// The failure with its reason in the player's language.
SurfaceError Failure(const char* reason) {
    return SurfaceError(QCoreApplication::translate("Surface", reason).toStdString());
}

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbMask = 0x00FFFFFFu;
// Largest picture a surface is made from, in megabytes of decoded pixels (about 11000 x
// 11000); larger files are refused instead of exhausting memory.
constexpr int kAllocationLimitMegabytes = 512;

QImage ReadBitmap(const QString& path) {
    QFile file;
    if (const QString reason = OpenRegularFile(file, path); !reason.isEmpty()) {
        throw SurfaceError(QCoreApplication::translate("Surface", "cannot read %1: %2")
                               .arg(path, reason)
                               .toStdString());
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull()) {
        throw SurfaceError(QCoreApplication::translate("Surface", "cannot read %1: %2")
                               .arg(path, reader.errorString())
                               .toStdString());
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Stretch(const QImage& image, Long width, Long height) {
    if (width <= 0 || height <= 0) {
        throw Failure(QT_TRANSLATE_NOOP("Surface", "a surface needs a positive width and height"));
    }
    if (image.width() == width && image.height() == height) {
        return image;
    }
    QImage scaled = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    if (scaled.isNull()) {
        throw Failure(QT_TRANSLATE_NOOP("Surface", "out of memory for a surface"));
    }
    return scaled;
}

// The part of a rectangle that lies within another.
Rect ClipTo(const Rect& r, const Rect& bounds) {
    return Rect{std::max(r.Left, bounds.Left), std::max(r.Top, bounds.Top),
                std::min(r.Right, bounds.Right), std::min(r.Bottom, bounds.Bottom)};
}

Rect Clip(const Rect& r, Long width, Long height) { return ClipTo(r, Rect{0, 0, width, height}); }

} // namespace

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

// A large surface (the back buffer) gets memory aligned to huge pages and asks for them: the
// paint writes rows all over it, and with 4 KB pages most rows would miss the TLB.
QImage LargeImage(Long width, Long height) {
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * sizeof(QRgb);
#ifdef __linux__
    if (bytes >= kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* memory = std::aligned_alloc(kHugePage, rounded);
        if (memory == nullptr) {
            return QImage();
        }
        madvise(memory, rounded, MADV_HUGEPAGE);
        return QImage(
            static_cast<uchar*>(memory), width, height, qsizetype(width) * qsizetype(sizeof(QRgb)),
            QImage::Format_RGB32, [](void* data) { std::free(data); }, memory);
    }
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

} // namespace

Surface Surface::CreateSurface(Long width, Long height, Long pixel) {
    if (width <= 0 || height <= 0) {
        throw Failure(QT_TRANSLATE_NOOP("Surface", "a surface needs a positive width and height"));
    }
    QImage image = LargeImage(width, height);
    if (image.isNull()) {
        throw Failure(QT_TRANSLATE_NOOP("Surface", "out of memory for a surface"));
    }
    image.fill(kOpaque | (static_cast<QRgb>(pixel) & kRgbMask));
    return Surface(std::move(image));
}

Surface Surface::CreateSurfaceFromFile(const QString& path) { return Surface(ReadBitmap(path)); }

Surface Surface::CreateSurfaceFromFile(const QString& path, Long width, Long height) {
    return Surface(Stretch(ReadBitmap(path), width, height));
}

Surface Surface::CreateStretchedSurface(const Surface& source, Long width, Long height) {
    if (source.IsNull()) {
        throw Failure(QT_TRANSLATE_NOOP("Surface", "no surface to stretch"));
    }
    return Surface(Stretch(source.image_, width, height));
}

Surface Surface::CreateSurfaceFromImage(const QImage& image) {
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) {
        throw Failure(QT_TRANSLATE_NOOP("Surface", "out of memory for a surface"));
    }
    return Surface(std::move(pixels));
}

SurfaceDesc Surface::GetSurfaceDesc() const { return SurfaceDesc{width_, height_}; }

void Surface::Release() {
    image_ = QImage();
    width_ = 0;
    height_ = 0;
    colorKey_ = -1;
    runs_ = {};
    rowStart_ = {};
    Changed();
}

void Surface::SetColorKey(Long key) {
    colorKey_ = key;
    Changed();
}

namespace {

// The first x from `x` on where whether line[x] equals `value` is no longer `equal`. Surfaces
// are Format_RGB32, so every pixel carries alpha 0xFF and compares as a whole word.
Long SkipPixels(const QRgb* line, Long x, Long width, QRgb value, bool equal) {
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(value));
    while (x + 4 <= width) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + x));
        int same = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(pixels, wanted)));
        if (!equal) {
            same = ~same & 0xF;
        }
        if (same != 0xF) {
            return x + std::countr_one(static_cast<unsigned>(same));
        }
        x += 4;
    }
#endif
    while (x < width && (line[x] == value) == equal) {
        ++x;
    }
    return x;
}

// Copies a short stretch of pixels without a call: outline lines are one pixel wide and piece
// rows a few dozen, and a library call per stretch costs more than the copy itself. Long rows
// (the preview, the faint picture) go to the library, which aligns its stores: with 16-byte
// stores straddling cache lines the faint picture's rows were copied a third slower.
inline void CopyPixels(QRgb* to, const QRgb* from, Long count) {
    if (count >= 256) {
        std::memcpy(to, from, std::size_t(count) * sizeof(QRgb));
        return;
    }
#ifdef __SSE2__
    if (count >= 4) {
        Long i = 0;
        for (; i + 4 <= count; i += 4) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i)));
        }
        if (i < count) {
            // The last four pixels again, overlapping what was copied.
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + count - 4),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + count - 4)));
        }
        return;
    }
#endif
    if (count >= 4) {
        std::memcpy(to, from, std::size_t(count) * sizeof(QRgb));
        return;
    }
    if (count & 2) {
        to[0] = from[0];
        to[1] = from[1];
        to += 2;
        from += 2;
    }
    if (count & 1) {
        to[0] = from[0];
    }
}

} // namespace

void Surface::PrepareKeyedCopy() {
    runs_.clear();
    rowStart_.assign(std::size_t(std::max(image_.height(), 0)) + 1, 0);
    if (image_.isNull() || colorKey_ < 0) {
        runsValid_ = false;
        return;
    }
    const QRgb key = kOpaque | (static_cast<QRgb>(colorKey_) & kRgbMask);
    const Long width = image_.width();
    for (Long y = 0; y < image_.height(); ++y) {
        rowStart_[y] = static_cast<Long>(runs_.size());
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        Long x = 0;
        while (x < width) {
            const Long start = SkipPixels(line, x, width, key, true);
            x = SkipPixels(line, start, width, key, false);
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
    if (!image_.isNull()) {
        SurfaceWriter(*this).BltColorFill(rect, pixel);
    }
}

void Surface::BltFast(Long x, Long y, const Surface& source, const Rect& sourceRect, int flags) {
    if (!image_.isNull() && !source.image_.isNull()) {
        SurfaceWriter(*this).BltFast(x, y, source, sourceRect, flags);
    }
}

SurfaceWriter::SurfaceWriter(Surface& target) {
    if (target.image_.isNull()) {
        return;
    }
    target.Changed();
    // The one call that may detach the image, made before any thread writes.
    bits_ = target.image_.bits();
    stride_ = target.image_.bytesPerLine();
    bounds_ = Rect{0, 0, target.image_.width(), target.image_.height()};
}

SurfaceWriter SurfaceWriter::Within(const Rect& area) const {
    SurfaceWriter part = *this;
    part.bounds_ = ClipTo(area, bounds_);
    return part;
}

void SurfaceWriter::BltColorFill(const Rect& rect, Long pixel) const {
    if (bits_ == nullptr) {
        return;
    }
    const Rect r = ClipTo(rect == WholeRect ? bounds_ : rect, bounds_);
    if (r.Right <= r.Left || r.Bottom <= r.Top) {
        return;
    }
    const QRgb value = kOpaque | (static_cast<QRgb>(pixel) & kRgbMask);
    for (Long y = r.Top; y < r.Bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits_ + stride_ * y);
        std::fill(line + r.Left, line + r.Right, value);
    }
}

void SurfaceWriter::BltFast(Long x, Long y, const Surface& source, const Rect& sourceRect,
                            int flags) const {
    if (bits_ == nullptr || source.width_ <= 0) {
        return;
    }
    Rect src = sourceRect == WholeRect ? Rect{0, 0, source.width_, source.height_} : sourceRect;
    // Clip against the source, moving the destination with it.
    const Rect clippedSrc = Clip(src, source.width_, source.height_);
    x += clippedSrc.Left - src.Left;
    y += clippedSrc.Top - src.Top;
    src = clippedSrc;
    // Clip against the destination.
    if (x < bounds_.Left) {
        src.Left += bounds_.Left - x;
        x = bounds_.Left;
    }
    if (y < bounds_.Top) {
        src.Top += bounds_.Top - y;
        y = bounds_.Top;
    }
    src.Right = std::min<Long>(src.Right, src.Left + (bounds_.Right - x));
    src.Bottom = std::min<Long>(src.Bottom, src.Top + (bounds_.Bottom - y));
    const Long width = src.Right - src.Left;
    if (width <= 0 || src.Bottom <= src.Top) {
        return;
    }
    const bool keyed = (flags & 0x01) != 0 && source.colorKey_ >= 0;
    const QImage& image = source.image_;
    const uchar* fromBits = image.constBits();
    const qsizetype fromStride = image.bytesPerLine();
    auto toRow = [&](Long row) {
        return reinterpret_cast<QRgb*>(bits_ + stride_ * (y + row - src.Top)) + x;
    };
    auto fromRow = [&](Long row) {
        return reinterpret_cast<const QRgb*>(fromBits + fromStride * row);
    };
    if (!keyed) {
        for (Long row = src.Top; row < src.Bottom; ++row) {
            CopyPixels(toRow(row), fromRow(row) + src.Left, width);
        }
        return;
    }
    if (source.runsValid_ && src.Left == 0 && src.Right == source.width_) {
        // The common case of a piece wholly inside the field: no run needs clipping.
        for (Long row = src.Top; row < src.Bottom; ++row) {
            const QRgb* from = fromRow(row);
            QRgb* to = toRow(row);
            const auto* run = source.runs_.data() + source.rowStart_[row];
            const auto* end = source.runs_.data() + source.rowStart_[row + 1];
            for (; run != end; ++run) {
                CopyPixels(to + run->X, from + run->X, run->Length);
            }
        }
        return;
    }
    if (source.runsValid_) {
        for (Long row = src.Top; row < src.Bottom; ++row) {
            const QRgb* from = fromRow(row);
            QRgb* to = toRow(row) - src.Left;
            const auto* run = source.runs_.data() + source.rowStart_[row];
            const auto* end = source.runs_.data() + source.rowStart_[row + 1];
            for (; run != end; ++run) {
                const Long a = std::max(run->X, src.Left);
                const Long b = std::min(run->X + run->Length, src.Right);
                if (a < b) {
                    CopyPixels(to + a, from + a, b - a);
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

void SurfaceWriter::BlendOver(Long x, Long y, const QImage& picture) const {
    if (bits_ == nullptr || picture.format() != QImage::Format_ARGB32_Premultiplied) {
        return;
    }
    const Rect target = ClipTo(Rect{x, y, x + picture.width(), y + picture.height()}, bounds_);
    for (Long row = target.Top; row < target.Bottom; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(row - y)) - x;
        auto* to = reinterpret_cast<QRgb*>(bits_ + stride_ * row);
        for (Long col = target.Left; col < target.Right; ++col) {
            const QRgb source = from[col];
            const uint alpha = qAlpha(source);
            if (alpha == 0) {
                continue;
            }
            // Premultiplied "source over": each channel is the source plus what shows through.
            const uint through = 255 - alpha;
            const QRgb under = to[col];
            auto channel = [&](int shift) {
                const uint d = (under >> shift) & 0xFF;
                return (((source >> shift) & 0xFF) + (d * through + 127) / 255) << shift;
            };
            to[col] = kOpaque | channel(16) | channel(8) | channel(0);
        }
    }
}

} // namespace tess
