// Filled, clickable labels.
#include "dialogs/swatch_label.h"

#include <QMouseEvent>

namespace tess {

QColor QColorOfColor(Long color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

SwatchLabel::SwatchLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    SetFillColor(0);
}

void SwatchLabel::SetFillColor(Long color) {
    color_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColorOfColor(color));
    setPalette(palette);
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace tess
