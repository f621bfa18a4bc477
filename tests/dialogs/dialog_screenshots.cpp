// Saves pictures of the options dialog, the colour picker and the about box for the
// documentation: dialog_screenshots OUTPUT_FOLDER (run it in a virtual X display).
#include "dialogs/about_dialog.h"
#include "dialogs/color_picker.h"
#include "dialogs/options_dialog.h"
#include "support/window_test_support.h"

#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qFatal("usage: dialog_screenshots OUTPUT_FOLDER");
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + '/';
    tess::test::WindowFixture f;
    auto save = [&](QWidget&& dialog, const char* name) {
        dialog.show();
        QTest::qWait(300);
        if (!dialog.grab().save(out + name)) {
            qFatal("cannot write %s%s", qPrintable(out), name);
        }
    };
    save(tess::OptionsDialog(f.window.game(), &f.window), "options.png");
    tess::Picker = tess::ColorPickerExchange{212, 208, 200, false};
    save(tess::ColorPicker(&f.window), "color-picker.png");
    save(tess::AboutDialog(tess::test::TestFacts(f.folder.path()), tess::AboutDesktop::Current(),
                           &f.window),
         "about.png");
    return 0;
}
