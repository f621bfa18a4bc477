// The colour picker: its palette, the lenient reading of the three boxes, OK and Cancel.
#include "dialogs/color_picker.h"
#include "support/qt_printers.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

std::unique_ptr<ColorPicker> OpenPicker(Byte red, Byte green, Byte blue) {
    Picker = ColorPickerExchange{red, green, blue, false};
    auto picker = std::make_unique<ColorPicker>();
    picker->show();
    return picker;
}

// Replaces the whole text of a box by typing, as the player would.
void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// The exchange once the picker closed: the colour and whether it closed with OK.
QString Exchange() {
    return QString("%1,%2,%3 %4")
        .arg(Picker.PickerRed)
        .arg(Picker.PickerGreen)
        .arg(Picker.PickerBlue)
        .arg(Picker.PickerAccepted ? "OK" : "Cancel");
}

TEST(ColorPicker, ReadsTypedComponentsLeniently) {
    struct Case {
        QString typed, shown;
        int component;
    };
    const Case cases[] = {{"300", "255", 255}, {"", "", 0},         {"abc", "abc", 0},
                          {"12x", "12x", 12},  {"2.5", "2.5", 2},   {"3.5", "3.5", 4},
                          {"-5", "-5", 0},     {"1e2", "1e2", 100}, {"9e9", "255", 255},
                          {"1234", "123", 123}};
    for (const Case& c : cases) {
        const auto p = OpenPicker(10, 20, 30);
        Type(p->txtGreen, c.typed);
        EXPECT_EQ(p->txtGreen->text(), c.shown) << c.typed.toStdString();
        EXPECT_EQ(p->shpPreviewColor->FillColor(), 10 + c.component * 256 + 30 * 65536)
            << c.typed.toStdString();
        QTest::mouseClick(p->OKButton, Qt::LeftButton);
        EXPECT_EQ(Exchange(), QString("10,%1,30 OK").arg(c.component)) << c.typed.toStdString();
    }
}

TEST(ColorPicker, ShowsItsPaletteAndOkReturnsTheColourShownWhileCancelChangesNothing) {
    // Colours as 0xBBGGRR.
    const Long palette[] = {0x7D007E, 0x7D00AF, 0xC8AF00, 0xE100E1, 0xFFFFFF, 0xFF0000, 0x00C864,
                            0xFAC8AF, 0xB7B7FF, 0xB3FFEA, 0x7189FF, 0x00FFFF, 0x7189FF, 0};
    struct Case {
        int swatch;  // -1: none clicked
        QString red; // typed after the swatch; empty: nothing typed
        bool ok;
        QString exchange;
    };
    for (const Case& c :
         {Case{-1, "", true, "212,208,200 OK"}, Case{10, "", true, "255,137,113 OK"},
          Case{10, "9", true, "9,137,113 OK"}, Case{7, "9", false, "212,208,200 Cancel"}}) {
        const auto p = OpenPicker(212, 208, 200);
        EXPECT_EQ(p->windowTitle(), "Color Picker");
        for (int i = 0; i < ColorPicker::kSwatchCount; ++i) {
            EXPECT_EQ(p->lblColor[std::size_t(i)]->FillColor(), palette[i]) << i;
        }
        EXPECT_EQ(p->shpPreviewColor->FillColor(), 0xC8D0D4);
        if (c.swatch >= 0) {
            QTest::mouseClick(p->lblColor[std::size_t(c.swatch)], Qt::LeftButton);
        }
        if (!c.red.isEmpty()) {
            Type(p->txtRed, c.red);
        }
        QTest::mouseClick(c.ok ? p->OKButton : p->CancelButton, Qt::LeftButton);
        EXPECT_FALSE(p->isVisible());
        EXPECT_EQ(Exchange(), c.exchange) << c.swatch;
    }
}

} // namespace
} // namespace tess
