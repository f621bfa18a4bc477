// A label that fills itself with one colour and reports a left click: swatches and previews.
#pragma once

#include "puzzle/numbers.h"

#include <QColor>
#include <QLabel>

namespace tess {

// The window-system colour number (red in the low byte) as a QColor.
QColor QColorOfColor(Long color);

class SwatchLabel : public QLabel {
    Q_OBJECT
public:
    explicit SwatchLabel(QWidget* parent = nullptr);

    // Fills the label with a window-system colour number.
    void SetFillColor(Long color);
    Long FillColor() const { return color_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Long color_ = 0;
};

} // namespace tess
