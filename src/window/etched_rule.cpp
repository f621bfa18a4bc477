// The lines of the etched rule.
#include "window/etched_rule.h"

#include <QPainter>
#include <algorithm>

namespace tess {

RuleLine::RuleLine(QWidget* parent, const char* name, QPalette::ColorRole role, int linesAbove)
    : QWidget(parent), role_(role), linesAbove_(linesAbove) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RuleLine::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const int thickness = std::max(1, int(ratio));
    // Device rows counted from the client area's top; the play field starts on a whole row.
    const int fieldTop = qRound((y() + height()) * ratio);
    const int first = fieldTop - (linesAbove_ + 1) * thickness;
    QPainter painter(this);
    painter.fillRect(QRectF(0, first / ratio - y(), width(), thickness / ratio),
                     palette().color(role_));
}

} // namespace tess
