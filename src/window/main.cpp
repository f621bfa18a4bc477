// Tessellara: a jigsaw puzzle game.
#include "game/command_line.h"
#include "game/process_facts.h"
#include "game/settings_store.h"
#include "puzzle/random.h"
#include "window/main_window.h"
#include "window/quit_signals.h"
#include "window/translations.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    // Before anything else, so that no moment of the program ends on a signal unhandled.
    tess::CatchQuitSignals();
    // The usage and the version need no display: answered before the window system starts.
    if (const tess::CommandLine asked = tess::ParseCommandLine(tess::ArgumentsOf(argc, argv), {});
        asked.AnswersAlone()) {
        QCoreApplication app(argc, argv);
        tess::NameTheApplication();
        tess::LoadTranslations(QLocale::system());
        tess::PrintHelpOrVersion(asked);
    }
    QApplication app(argc, argv);
    tess::NameTheApplication();
    tess::LoadTranslations(QLocale::system());
    // Read once Qt has taken its own options, and before start-up changes the current folder.
    const tess::CommandLine line =
        tess::ParseCommandLine(QApplication::arguments(), QDir::currentPath());
    if (!line.Mistake.isEmpty()) {
        return tess::ReportCommandLineMistake(line);
    }

    tess::SettingsStore store;
    tess::MersenneRandom random;
    tess::MainWindow window(
        store, random, tess::CurrentProcessFacts(line.File, QApplication::applicationDirPath()));
    tess::EndOnQuitSignals(window);
    window.Start();
    return QApplication::exec();
}
