// Draws the program's icon with QPainter, so no picture file has to ship with it.
#include "dialogs/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace tess {

namespace {

QPainterPath Knob(QPointF centre) {
    QPainterPath path;
    path.addEllipse(centre, 3.2, 3.2);
    return path;
}

} // namespace

QImage AppIconImage() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::black);

    // Each knob belongs to one piece and is the socket of the piece across the edge.
    const QPainterPath right = Knob({16.5, 8}); // green into yellow
    const QPainterPath down = Knob({24, 16.5}); // yellow into blue
    const QPainterPath left = Knob({15.5, 24}); // blue into red
    const QPainterPath up = Knob({8, 15.5});    // red into green
    auto cell = [](qreal x, qreal y) {
        QPainterPath path;
        path.addRect(x, y, 16, 16);
        return path;
    };
    const QPainterPath green = cell(0, 0).united(right).subtracted(up);
    const QPainterPath yellow = cell(16, 0).united(down).subtracted(right);
    const QPainterPath blue = cell(16, 16).united(left).subtracted(down);
    const QPainterPath red = cell(0, 16).united(up).subtracted(left);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A black seam between the pieces shows where they interlock.
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setClipRect(1, 1, 30, 30);
    const std::pair<const QPainterPath*, QColor> pieces[] = {
        {&green, QColor(40, 180, 60)},
        {&yellow, QColor(240, 210, 40)},
        {&red, QColor(210, 40, 40)},
        {&blue, QColor(40, 90, 220)},
    };
    for (const auto& [path, color] : pieces) {
        painter.setBrush(color);
        painter.drawPath(*path);
    }
    return image;
}

} // namespace tess
