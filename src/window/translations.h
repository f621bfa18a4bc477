// The program's language: its own texts and Qt's (dialog buttons, file dialogs) translated
// for a locale. The program's translations are built into it; Qt's come from Qt's folder.
#pragma once

#include <QLocale>

namespace tess {

// Installs the translations for `locale` (start-up passes the system locale, which LC_ALL,
// LC_MESSAGES, LANG and, but not under C, LANGUAGE decide), replacing those of an earlier call.
// Returns whether the program has a translation of its own for it; without one (English, or a
// language not translated yet) it shows its English texts.
bool LoadTranslations(const QLocale& locale);

} // namespace tess
