// Loading the translations: one translator for the program's texts and one for Qt's.
#include "window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tess {

namespace {

// The translator in `slot` replaced by one for `locale` from `folder`; none when the folder
// has no file for it. Translators belong to the application, which deletes them at exit.
bool Install(QPointer<QTranslator>& slot, const QLocale& locale, const QString& name,
             const QString& folder) {
    delete slot.data(); // takes itself out of the application
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    slot = translator;
    return true;
}

} // namespace

bool LoadTranslations(const QLocale& locale) {
    static QPointer<QTranslator> own;
    static QPointer<QTranslator> qt;
    // The C locale speaks English even when LANGUAGE lists other languages, as gettext has it:
    // Qt would take the languages from LANGUAGE alone.
    const QLocale chosen = locale.language() == QLocale::C ? QLocale::c() : locale;
    Install(qt, chosen, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(own, chosen, QStringLiteral("tessellara"), QStringLiteral(":/i18n"));
}

} // namespace tess
