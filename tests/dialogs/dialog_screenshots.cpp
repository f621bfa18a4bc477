// Saves pictures of the options dialog, the colour picker and the about box for the
// documentation: dialog_screenshots OUTPUT_FOLDER (run it in a virtual X display).
#include "dialogs/about_dialog.h"
#include "dialogs/color_picker.h"
#include "dialogs/options_dialog.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Save(QWidget& widget, const QString& path) {
    widget.show();
    QTest::qWait(300);
    if (!widget.grab().save(path)) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qFatal("usage: dialog_screenshots OUTPUT_FOLDER");
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir folder;
    tess::SettingsStore store(folder.path() + QStringLiteral("/settings.ini"));
    tess::MersenneRandom random(1u);
    tess::ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    tess::MainWindow window(store, random, facts);
    window.Start();

    tess::OptionsDialog options(window.game(), &window);
    Save(options, out + QStringLiteral("/options.png"));
    options.hide();

    tess::Picker = tess::ColorPickerExchange{212, 208, 200, false};
    tess::ColorPicker picker(&window);
    Save(picker, out + QStringLiteral("/color-picker.png"));
    picker.hide();

    tess::AboutDialog about(facts, tess::AboutDesktop::Current(), &window);
    Save(about, out + QStringLiteral("/about.png"));
    return 0;
}
