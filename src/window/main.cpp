// Tessellara: a jigsaw puzzle game.
#include "game/process_facts.h"
#include "game/settings_store.h"
#include "puzzle/random.h"
#include "window/main_window.h"
#include "window/quit_signals.h"
#include "window/translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before anything else, so that no moment of the program ends on a signal unhandled.
    tess::CatchQuitSignals();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessellara"));
    QApplication::setApplicationName(QStringLiteral("Tessellara"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(TESSELLARA_VERSION_MAJOR)
                                            .arg(TESSELLARA_VERSION_MINOR)
                                            .arg(TESSELLARA_VERSION_REVISION));
    tess::LoadTranslations(QLocale::system());

    tess::SettingsStore store;
    tess::MersenneRandom random;
    tess::MainWindow window(
        store, random,
        tess::CurrentProcessFacts(QApplication::arguments(), QApplication::applicationDirPath()));
    tess::EndOnQuitSignals(window);
    window.Start();
    return QApplication::exec();
}
