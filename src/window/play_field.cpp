// The play field widget.
#include "window/play_field.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace tess {

PlayField::PlayField(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picPuzzle"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PlayField::ScaleSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(static_cast<int>(std::lround(width() * ratio)),
                 static_cast<int>(std::lround(height() * ratio)));
}

void PlayField::Present(const QImage* frame, const QRegion& changed) {
    const bool whole = changed.isEmpty() || frame != frame_;
    frame_ = frame;
    if (painting_) {
        // Composed for a paint event under way, which shows it next.
        return;
    }
    const QScopedValueRollback<bool> presenting(presenting_, true);
    if (whole) {
        repaint();
        return;
    }
    // The rectangles in the field's own units, rounded outward on a high-DPI screen.
    const qreal ratio = devicePixelRatioF();
    QRegion part;
    for (const QRect& r : changed) {
        part += QRectF(r.x() / ratio, r.y() / ratio, r.width() / ratio, r.height() / ratio)
                    .toAlignedRect();
    }
    repaint(part);
}

bool PlayField::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        NoticePixelRatio();
    }
    return QWidget::event(event);
}

void PlayField::NoticePixelRatio() {
    const qreal ratio = devicePixelRatioF();
    if (pixelRatio_ == ratio) {
        return;
    }
    const bool first = pixelRatio_ == 0;
    pixelRatio_ = ratio;
    if (!first) {
        // Not from inside a paint: the handler repaints.
        QTimer::singleShot(0, this, [this] {
            if (onDisplayChange) {
                onDisplayChange();
            }
        });
    }
}

void PlayField::paintEvent(QPaintEvent* event) {
    NoticePixelRatio();
    if (!presenting_ && !painting_ && onPaint) {
        // The window system asks for the field: compose it afresh, so it shows the current
        // state (a colour changed since the last frame, say), not the last frame again.
        const QScopedValueRollback<bool> painting(painting_, true);
        onPaint();
    }
    QPainter painter(this);
    if (frame_ == nullptr || frame_->isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // The back buffer stretched to the field, copied only where the field is painted.
    const qreal sx = frame_->width() / qreal(std::max(width(), 1));
    const qreal sy = frame_->height() / qreal(std::max(height(), 1));
    for (const QRect& r : event->region()) {
        painter.drawImage(QRectF(r), *frame_,
                          QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy));
    }
}

int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ButtonsNumber(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftNumber(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

void PlayField::Forward(const std::function<void(int, int, float, float)>& handler,
                        QMouseEvent* event, int button) {
    if (!handler) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QPointF at = event->position() * ratio;
    handler(button, ShiftNumber(event->modifiers()), static_cast<float>(at.x()),
            static_cast<float>(at.y()));
}

void PlayField::mousePressEvent(QMouseEvent* event) {
    Forward(onMouseDown, event, ButtonNumber(event->button()));
}

void PlayField::mouseMoveEvent(QMouseEvent* event) {
    Forward(onMouseMove, event, ButtonsNumber(event->buttons()));
}

void PlayField::mouseReleaseEvent(QMouseEvent* event) {
    Forward(onMouseUp, event, ButtonNumber(event->button()));
}

} // namespace tess
