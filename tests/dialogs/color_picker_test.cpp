// The colour picker: its palette, the lenient reading of the three boxes, OK and Cancel.
#include "dialogs/color_picker.h"
#include "puzzle/settings.h"
#include "support/qt_printers.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(ColorPicker, ShowsItsPaletteReadsTypedRedLenientlyAndOkReturnsItWhileCancelChangesNothing) {
    // Colours as 0xBBGGRR.
    const Long palette[] = {0x7D007E, 0x7D00AF, 0xC8AF00, 0xE100E1, 0xFFFFFF, 0xFF0000, 0x00C864,
                            0xFAC8AF, 0xB7B7FF, 0xB3FFEA, 0x7189FF, 0x00FFFF, 0x7189FF, 0};
    struct Case {
        int swatch;           // clicked first; -1: none
        QString typed, shown; // typed into the red box (null: nothing typed), the text it shows
        bool ok;
        QString exchange;
    };
    const Case cases[] = {
        {-1, {}, "212", true, "212,208,200 OK"},    {10, {}, "255", true, "255,137,113 OK"},
        {10, "9", "9", true, "9,137,113 OK"},       {7, "9", "9", false, "212,208,200 Cancel"},
        {-1, "300", "255", true, "255,208,200 OK"}, {-1, "", "", true, "0,208,200 OK"},
        {-1, "abc", "abc", true, "0,208,200 OK"},   {-1, "12x", "12x", true, "12,208,200 OK"},
        {-1, "2.5", "2.5", true, "2,208,200 OK"},   {-1, "3.5", "3.5", true, "4,208,200 OK"},
        {-1, "-5", "-5", true, "0,208,200 OK"},     {-1, "1e2", "1e2", true, "100,208,200 OK"},
        {-1, "9e9", "255", true, "255,208,200 OK"}, {-1, "1234", "123", true, "123,208,200 OK"},
    };
    for (const Case& c : cases) {
        const std::string name = QString("%1 %2").arg(c.swatch).arg(c.typed).toStdString();
        Picker = ColorPickerExchange{212, 208, 200, false};
        ColorPicker picker;
        picker.show();
        for (int i = 0; i < ColorPicker::kSwatchCount; ++i) {
            EXPECT_EQ(picker.lblColor[std::size_t(i)]->FillColor(), palette[i]) << i;
        }
        if (c.swatch >= 0) {
            QTest::mouseClick(picker.lblColor[std::size_t(c.swatch)], Qt::LeftButton);
        }
        if (!c.typed.isNull()) { // replaces the whole text by typing, as the player would
            picker.txtRed->setFocus();
            picker.txtRed->selectAll();
            QTest::keyClick(picker.txtRed, Qt::Key_Backspace);
            QTest::keyClicks(picker.txtRed, c.typed);
        }
        EXPECT_EQ(picker.txtRed->text(), c.shown) << name;
        const Long shown = picker.shpPreviewColor->FillColor();
        QTest::mouseClick(c.ok ? picker.OKButton : picker.CancelButton, Qt::LeftButton);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(QString("%1,%2,%3 %4")
                      .arg(Picker.PickerRed)
                      .arg(Picker.PickerGreen)
                      .arg(Picker.PickerBlue)
                      .arg(Picker.PickerAccepted ? "OK" : "Cancel"),
                  c.exchange)
            << name;
        if (c.ok) {
            EXPECT_EQ(shown, ColorOf(Picker.PickerRed, Picker.PickerGreen, Picker.PickerBlue))
                << name;
        }
    }
}

} // namespace
} // namespace tess
