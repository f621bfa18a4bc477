// Checks the invariants that tie the model together; tests call it after every step.
#pragma once

#include "puzzle/model.h"

#include <QString>
#include <QStringList>

namespace tess {

// Every broken invariant as one line of text; empty when the model is consistent. Without a
// puzzle only what holds between games is checked: slot 0 alone with nothing counted, the
// flags, the clock, the picture's name field, the preview's rectangles, and that no puzzle is
// marked loaded.
QStringList CheckModelInvariants(const Puzzle& puzzle);

} // namespace tess
