// Draws the sample pictures shipped with the game (our own gradients, shapes and patterns)
// into the folder given as the only argument, as BMP, JPEG and GIF files.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <random>
#include <unordered_map>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
const double kPi = std::acos(-1.0);

QImage Canvas() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage Sunset() {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight * 0.62);
    sky.setColorAt(0.0, QColor(32, 24, 88));
    sky.setColorAt(0.45, QColor(196, 72, 120));
    sky.setColorAt(1.0, QColor(255, 186, 92));
    p.fillRect(image.rect(), sky);
    QRadialGradient sun(kWidth * 0.62, kHeight * 0.5, 120);
    sun.setColorAt(0.0, QColor(255, 250, 210));
    sun.setColorAt(0.7, QColor(255, 210, 90));
    sun.setColorAt(1.0, QColor(255, 160, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(kWidth * 0.62, kHeight * 0.5), 120, 120);
    const QColor ranges[] = {QColor(120, 50, 110), QColor(84, 34, 92), QColor(52, 22, 70), QColor(26, 12, 44)};
    std::mt19937 random(7);
    for (int layer = 0; layer < 4; ++layer) {
        QPainterPath path;
        const double base = kHeight * (0.5 + 0.09 * layer);
        path.moveTo(0, kHeight);
        for (int x = 0; x <= kWidth; x += 16) {
            const double y = base - 60 * std::sin(x / (90.0 + 40 * layer) + layer) -
                             25 * std::sin(x / 23.0 + 2 * layer) - std::uniform_real_distribution(0.0, 12.0)(random);
            path.lineTo(x, y);
        }
        path.lineTo(kWidth, kHeight);
        path.closeSubpath();
        p.setBrush(ranges[layer]);
        p.drawPath(path);
    }
    return image;
}

QImage Mosaic() {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int tile = 64;
    for (int row = 0; row < kHeight / tile; ++row) {
        for (int col = 0; col < kWidth / tile; ++col) {
            const int hue = (col * 360 / (kWidth / tile) + row * 9) % 360;
            const QRect cell(col * tile, row * tile, tile, tile);
            p.fillRect(cell, QColor::fromHsv(hue, 170, 120 + 8 * (row % 8)));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromHsv((hue + 180) % 360, 200, 235));
            if ((row + col) % 2 == 0) {
                p.drawEllipse(cell.adjusted(12, 12, -12, -12));
            } else {
                const QPointF c = QRectF(cell).center();
                p.drawPolygon(QPolygonF{{c.x(), c.y() - 24}, {c.x() + 24, c.y()}, {c.x(), c.y() + 24}, {c.x() - 24, c.y()}});
            }
            p.setBrush(QColor::fromHsv(hue, 80, 250));
            p.drawEllipse(QRectF(cell).center(), 6, 6);
        }
    }
    return image;
}

QImage Rings() {
    QImage image = Canvas();
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    const QPointF centre(kWidth * 0.5, kHeight * 0.5);
    for (int ring = 26; ring >= 0; --ring) {
        const double radius = 24.0 * ring + 12;
        for (int sector = 0; sector < 24; ++sector) {
            const int hue = (sector * 15 + ring * 11) % 360;
            p.setBrush(QColor::fromHsv(hue, 180 + (ring % 3) * 25, ring % 2 ? 230 : 170));
            QPainterPath wedge;
            wedge.moveTo(centre);
            wedge.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), sector * 15.0, 15.0);
            wedge.closeSubpath();
            p.drawPath(wedge);
        }
    }
    return image;
}

QImage Hexagons() {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr double r = 40;
    const double w = std::sqrt(3.0) * r;
    for (int row = -1; row * 1.5 * r < kHeight + r; ++row) {
        for (int col = -1; col * w < kWidth + w; ++col) {
            const QPointF c(col * w + (row % 2 ? w / 2 : 0), row * 1.5 * r);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k) {
                const double a = kPi / 3 * k + kPi / 6;
                hex << c + QPointF(r * 0.92 * std::cos(a), r * 0.92 * std::sin(a));
            }
            const double d = std::hypot(c.x() - kWidth / 2.0, c.y() - kHeight / 2.0);
            QLinearGradient shade(c - QPointF(0, r), c + QPointF(0, r));
            const QColor colour = QColor::fromHsv(static_cast<int>(d / 2.2) % 360, 190, 230);
            shade.setColorAt(0, colour.lighter(125));
            shade.setColorAt(1, colour.darker(140));
            p.setPen(QPen(QColor(20, 20, 30), 3));
            p.setBrush(shade);
            p.drawPolygon(hex);
        }
    }
    return image;
}

QImage StainedGlass() {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> jitter(-22, 22);
    constexpr int cols = 13;
    constexpr int rows = 10;
    std::vector<QPointF> points;
    for (int row = 0; row <= rows; ++row) {
        for (int col = 0; col <= cols; ++col) {
            const bool edge = row == 0 || col == 0 || row == rows || col == cols;
            points.emplace_back(col * kWidth / double(cols) + (edge ? 0 : jitter(random)),
                                row * kHeight / double(rows) + (edge ? 0 : jitter(random)));
        }
    }
    const QColor glass[] = {QColor(200, 40, 60), QColor(40, 90, 200), QColor(250, 190, 40), QColor(40, 160, 90),
                            QColor(130, 60, 170), QColor(240, 120, 40), QColor(60, 180, 200)};
    std::uniform_int_distribution<int> pick(0, 6);
    p.setPen(QPen(QColor(25, 20, 20), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    auto at = [&](int row, int col) { return points[row * (cols + 1) + col]; };
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const QPointF a = at(row, col), b = at(row, col + 1), c = at(row + 1, col + 1), d = at(row + 1, col);
            for (const QPolygonF& triangle : {QPolygonF{a, b, c}, QPolygonF{a, c, d}}) {
                const QColor colour = glass[pick(random)];
                QRadialGradient light(triangle.boundingRect().center(), 70);
                light.setColorAt(0, colour.lighter(140));
                light.setColorAt(1, colour);
                p.setBrush(light);
                p.drawPolygon(triangle);
            }
        }
    }
    return image;
}

QImage Waves() {
    QImage image = Canvas();
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    for (int band = -2; band <= 24; ++band) {
        QPainterPath path;
        path.moveTo(0, kHeight);
        for (int x = 0; x <= kWidth; x += 8) {
            path.lineTo(x, band * 32.0 + 28 * std::sin(x / 70.0 + band * 0.6) + 12 * std::sin(x / 23.0 - band));
        }
        path.lineTo(kWidth, kHeight);
        path.closeSubpath();
        p.setBrush(QColor::fromHsv((200 + band * 7) % 360, 150 + band * 4, std::min(250, 240 - band * 5)));
        p.drawPath(path);
    }
    return image;
}

// A GIF89a file of an image of at most 256 colours, LZW-compressed as the format asks.
QByteArray EncodeGif(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    QVector<QRgb> palette = image.colorTable();
    palette.resize(256);
    QByteArray gif("GIF89a");
    auto word = [&gif](int v) {
        gif.append(char(v & 0xff));
        gif.append(char((v >> 8) & 0xff));
    };
    word(image.width());
    word(image.height());
    gif.append(char(0xF7)); // global colour table of 256 entries
    gif.append('\0');
    gif.append('\0');
    for (const QRgb c : palette) {
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    gif.append(',');
    word(0);
    word(0);
    word(image.width());
    word(image.height());
    gif.append('\0');
    constexpr int minCodeSize = 8;
    gif.append(char(minCodeSize));

    QByteArray data;
    quint32 bits = 0;
    int bitCount = 0;
    int codeSize = minCodeSize + 1;
    auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += codeSize;
        while (bitCount >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    std::unordered_map<int, int> table;
    int next = end + 1;
    put(clear);
    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int k = line[x];
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const int key = (prefix << 8) | k;
            const auto found = table.find(key);
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            put(prefix);
            if (next < 4096) {
                table.emplace(key, next++);
                if (next > (1 << codeSize) && codeSize < 12) {
                    ++codeSize;
                }
            } else {
                put(clear);
                table.clear();
                next = end + 1;
                codeSize = minCodeSize + 1;
            }
            prefix = k;
        }
    }
    put(prefix);
    put(end);
    if (bitCount > 0) {
        data.append(char(bits & 0xff));
    }
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

bool Save(const QImage& image, const QString& path) {
    if (path.endsWith(QStringLiteral(".gif"))) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(EncodeGif(image)) > 0;
    }
    return image.save(path, nullptr, 92);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const std::pair<QString, QImage (*)()> pictures[] = {
        {QStringLiteral("Sunset.jpg"), Sunset},         {QStringLiteral("Mosaic.bmp"), Mosaic},
        {QStringLiteral("Rings.gif"), Rings},           {QStringLiteral("Hexagons.jpg"), Hexagons},
        {QStringLiteral("Stained Glass.bmp"), StainedGlass}, {QStringLiteral("Waves.gif"), Waves},
    };
    for (const auto& [name, draw] : pictures) {
        if (!Save(draw(), folder + QLatin1Char('/') + name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
