// Pixel art of the toolbar buttons, row by row: one character per pixel, drawn at any size.
#include "window/toolbar_icons.h"

#include <QApplication>
#include <QColor>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <array>

namespace tess {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

QColor PaletteColor(char c) {
    switch (c) {
    case 'k':
        return QColor(0, 0, 0);
    case 'y':
        return QColor(255, 255, 0);
    case 'o':
        return QColor(128, 128, 0);
    case 'w':
        return QColor(255, 255, 255);
    case 'g':
        return QColor(128, 128, 128);
    case 's':
        return QColor(192, 192, 192);
    case 'b':
        return QColor(0, 0, 128);
    case 'c':
        return QColor(0, 128, 128);
    default:
        return QColor(0, 0, 0, 0);
    }
}

// Each art pixel becomes a block of whole device pixels, in the art's colours and nothing
// between: no scaling blurs it.
QImage DrawPixelArt(const char* const* rows, QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const char* row = rows[y * kHeight / image.height()];
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = PaletteColor(row[x * kWidth / image.width()]).rgba();
        }
    }
    return image;
}

using Rows = std::array<const char*, kHeight>;

// Draws the art at exactly the size asked for, in device pixels, so no scaling blurs it;
// the disabled look comes from the style, as for any other icon.
class PixelArtEngine : public QIconEngine {
public:
    explicit PixelArtEngine(const Rows& rows) : rows_(rows) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap drawn = QPixmap::fromImage(DrawPixelArt(rows_.data(), size));
        if (mode == QIcon::Normal || QApplication::style() == nullptr) {
            return drawn;
        }
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new PixelArtEngine(rows_); }

private:
    Rows rows_;
};

QIcon MakeIcon(const Rows& rows) { return QIcon(new PixelArtEngine(rows)); }

} // namespace

QIcon OpenFolderIcon() {
    return MakeIcon({
        "................",
        "..........kkk...",
        ".........k...k.k",
        "..............kk",
        ".kkk.........kkk",
        "kwywk...........",
        "kywywkkkkkkkk...",
        "kwywywywywywk...",
        "kywywywkkkkkkkkk",
        "kwywywkooooooook",
        "kywywkooooooook.",
        "kwywkooooooook..",
        "kywkooooooook...",
        "kkkkkkkkkkkk....",
        "................",
    });
}

QIcon FloppyDiskIcon() {
    return MakeIcon({
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kcckwwwwwwkcck.",
        ".kcckwwwwwwkcck.",
        ".kcckwwwwwwkcck.",
        ".kcckwwwwwwkcck.",
        ".kccckkkkkkccck.",
        ".kcccccccccccck.",
        ".kcckkkkkkkkcck.",
        ".kcckssssksskck.",
        ".kcckssssksskck.",
        ".kcckssssksskck.",
        "..kkkkkkkkkkkkk.",
        "................",
        "................",
    });
}

} // namespace tess
