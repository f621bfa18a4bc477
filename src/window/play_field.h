// The play field picPuzzle: shows the composed back buffer and forwards the mouse in
// device pixels, so pictures stay sharp and positions map exactly on high-DPI screens.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

namespace tess {

class PlayField : public QWidget {
    Q_OBJECT
public:
    explicit PlayField(QWidget* parent = nullptr);

    // Inner size in device pixels.
    QSize ScaleSize() const;

    // Shows this image (kept by reference) at once; null clears the field. With a region (in
    // the image's pixels), only that part changed: only it is painted and handed to the
    // window system.
    void Present(const QImage* frame, const QRegion& changed = QRegion());

    // The paint procedure: runs on the field's own paint events (the window system uncovered
    // part of it), and presents the frame it composes. Presenting repaints without it.
    std::function<void()> onPaint;

    std::function<void(int button, int shift, float x, float y)> onMouseDown;
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    std::function<void(int button, int shift, float x, float y)> onMouseUp;
    // The device pixel ratio changed (a move to another screen, or the screen's setting):
    // the field's size in device pixels changed without a resize. Called from the event loop.
    std::function<void()> onDisplayChange;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Forward(const std::function<void(int, int, float, float)>& handler, QMouseEvent* event,
                 int button);

    void NoticePixelRatio();

    const QImage* frame_ = nullptr;
    qreal pixelRatio_ = 0; // 0 until first seen
    // Inside Present's repaint, and inside onPaint: the frame is current, compose nothing.
    bool presenting_ = false;
    bool painting_ = false;
};

// Button numbers: 1 left, 2 right, 4 middle; Shift: 1 shift, 2 control, 4 alt.
int ButtonNumber(Qt::MouseButton button);
int ButtonsNumber(Qt::MouseButtons buttons);
int ShiftNumber(Qt::KeyboardModifiers modifiers);

} // namespace tess
