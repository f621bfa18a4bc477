// Saves pictures of the options dialog, the colour picker and the about box for the
// documentation: tessellara_dialog_shots OUTPUT_FOLDER (run it in a virtual X display).
#include "dialogs/about_dialog.h"
#include "dialogs/color_picker.h"
#include "dialogs/options_dialog.h"
#include "window/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QThread>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qFatal("usage: tessellara_dialog_shots OUTPUT_FOLDER");
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + '/';
    QTemporaryDir folder;
    tess::SettingsStore store(folder.path() + QStringLiteral("/settings.ini"));
    tess::MersenneRandom random(7u);
    tess::ProcessFacts facts;
    facts.ProgramFolder = facts.AppDir = folder.path();
    tess::MainWindow window(store, random, facts);
    window.Start();
    auto save = [&](QWidget&& dialog, const char* name) {
        dialog.show();
        for (int i = 0; i < 15; ++i) {
            QApplication::processEvents();
            QThread::msleep(20);
        }
        if (!dialog.grab().save(out + name)) {
            qFatal("cannot write %s%s", qPrintable(out), name);
        }
    };
    save(tess::OptionsDialog(window.game(), &window), "options.png");
    tess::Picker = tess::ColorPickerExchange{212, 208, 200, false};
    save(tess::ColorPicker(&window), "color-picker.png");
    save(tess::AboutDialog(facts, tess::AboutDesktop::Current(), &window), "about.png");
    return 0;
}
