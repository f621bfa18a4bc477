// The language follows the locale: the English texts exactly under C, German under de_AT (Qt's
// own buttons too); and no text on the screen misses the translation.
#include "dialogs/dialogs.h"
#include "persist/state_file.h"
#include "support/window_test_support.h"
#include "window/translations.h"

#include <QDialogButtonBox>
#include <QTranslator>
#include <gtest/gtest.h>

namespace tess {
namespace {

// Marks every text it translates: a text shown unmarked never went through translation.
struct MarkingTranslator : QTranslator {
    QString translate(const char*, const char* text, const char*, int) const override {
        return "«" + QString::fromUtf8(text) + "»";
    }
};

// The texts of a window and its children, but the marked ones, the program's name, links and
// numbers (the colour boxes).
QStringList Unmarked(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QObject* o : window.findChildren<QObject*>()) {
        texts << o->property("text").toString() << o->property("title").toString()
              << o->property("toolTip").toString();
    }
    return texts.filter(QRegularExpression("^(?!$|«|Tessellara$|<a |\\d+$)"));
}

TEST(Translations, TheLocaleChoosesTheLanguageAndEveryTextShownIsTranslated) {
    const QString english = "&File|Options|Cancel|the file ends before the picture path (record 1)",
                  german = "&Datei|Optionen|Abbrechen|die Datei endet vor „der Bildpfad“ "
                           "(Datensatz 1)";
    // The locale start-up passes: ctest runs this under LANG=de_DE.UTF-8, and under LANG=C with
    // German first in LANGUAGE, and names the language expected in TESSELLARA_TEST_LANGUAGE.
    const QString system = qEnvironmentVariable("TESSELLARA_TEST_LANGUAGE");
    // No name: a translator that marks every text. English last, for the tests after this one.
    const std::pair<QString, QString> rows[] = {
        {"de_AT", german}, {"", ""}, {"system", system == "de" ? german : english}, {"C", english}};
    for (const auto& [name, shown] : rows) {
        if (name == "system" && system.isEmpty()) {
            continue;
        }
        MarkingTranslator marking;
        if (name.isEmpty()) {
            QCoreApplication::installTranslator(&marking);
        } else {
            EXPECT_EQ(LoadTranslations(name == "system" ? QLocale::system() : QLocale(name)),
                      shown == german)
                << name.toStdString();
        }
        test::WindowFixture f;
        const OptionsDialog options(f.window.game());
        const AboutDialog about(f.window.game().facts(), {});
        const ColorPicker picker;
        const QStringList texts{f.window.mnuFile->title(), options.windowTitle(),
                                QDialogButtonBox(QDialogButtonBox::Cancel).buttons()[0]->text(),
                                ReadStateFile({}).error};
        const QStringList unmarked =
            Unmarked(f.window) + Unmarked(options) + Unmarked(about) + Unmarked(picker);
        EXPECT_EQ((name.isEmpty() ? unmarked : texts).join('|'), shown) << name.toStdString();
    }
}

} // namespace
} // namespace tess
