// Checks the invariants that tie the model together; tests call it after every step.
#pragma once

#include "puzzle/model.h"

#include <QString>
#include <QStringList>

namespace tess {

// Every broken invariant as one line of text; empty when the model is consistent.
// A model without a puzzle (slot 0 only) is consistent.
QStringList CheckModelInvariants(const Puzzle& puzzle);

} // namespace tess
