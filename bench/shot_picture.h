// What the screenshot programs share: a landscape with sky, sun and hills, and the real main
// window over a temporary folder.
#pragma once

#include "window/main_window.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <cmath>

namespace tess::bench {

inline QImage Landscape(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(0.55, QColor(250, 190, 120));
    sky.setColorAt(1, QColor(60, 110, 60));
    painter.fillRect(image.rect(), sky);
    QRadialGradient sun(width * 0.7, height * 0.45, height * 0.18);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(255, 170, 80, 0));
    painter.setBrush(sun);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(width * 0.7, height * 0.45), height * 0.18, height * 0.18);
    painter.setBrush(QColor(30, 70, 40));
    QPolygonF hills;
    hills << QPointF(0, height);
    for (int x = 0; x <= width; x += 20) {
        hills << QPointF(x, height * 0.7 - 40 * std::sin(x / 90.0) - 25 * std::sin(x / 37.0));
    }
    hills << QPointF(width, height);
    painter.drawPolygon(hills);
    return image;
}

// The main window with its settings, bitmap and program folder in a temporary folder, and a
// fixed random source; started.
struct ShotWindow {
    QTemporaryDir folder;
    SettingsStore store{folder.path() + QStringLiteral("/settings.ini")};
    MersenneRandom random{11u};
    MainWindow window{store, random, Facts()};
    ShotWindow() { window.Start(); }
    ProcessFacts Facts() const {
        ProcessFacts facts;
        facts.ProgramFolder = folder.path();
        facts.AppDir = folder.path();
        return facts;
    }
};

} // namespace tess::bench
