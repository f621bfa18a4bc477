// The etched rule under the toolbar, drawn on whole device pixels at any pixel ratio.
#pragma once

#include <QPalette>
#include <QWidget>

namespace tess {

// One line of the etched rule, drawn on whole device pixels just above the play field: the
// highlight line on the rows right above it, the shadow line above that, each as many rows
// thick as the whole part of the device pixel ratio. Both lines span the rule's two rows.
class RuleLine : public QWidget {
public:
    // linesAbove: how many lines of the rule lie between this one and the play field.
    RuleLine(QWidget* parent, const char* name, QPalette::ColorRole role, int linesAbove);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPalette::ColorRole role_;
    int linesAbove_;
};

} // namespace tess
