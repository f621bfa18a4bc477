// Checks the invariants that tie the model together; tests call it after every step.
#pragma once

#include "puzzle/model.h"

#include <QString>
#include <QStringList>

namespace tess {

// Every broken invariant as one line of text; empty when the model is consistent.
// A model without pieces is consistent when it is not loaded and holds slot 0 alone, with
// nothing counted.
QStringList CheckModelInvariants(const Puzzle& puzzle);

} // namespace tess
