// File dialog filters: "Description|pattern;pattern|..." as the commands state them,
// turned into Qt's "Description (pattern pattern);;..." form.
#pragma once

#include <QString>

namespace tess {

QString QtNameFilters(const QString& commonDialogFilter);

} // namespace tess
