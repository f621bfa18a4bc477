#include "dialogs/color_picker.h"
#include "support/qt_printers.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

struct PickerFixture {
    std::unique_ptr<ColorPicker> picker;

    PickerFixture(Byte red, Byte green, Byte blue) {
        Picker = ColorPickerExchange{red, green, blue, false};
        picker = std::make_unique<ColorPicker>();
        picker->show();
    }

    // Replaces the whole text of a box by typing, as the player would.
    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    Long Preview() const { return picker->shpPreviewColor->FillColor(); }
};

TEST(ColorPicker, ShowsTheCaptionPaletteAndTheColourHandedIn) {
    PickerFixture f(12, 34, 56);
    ColorPicker& p = *f.picker;
    EXPECT_EQ(p.windowTitle(), "Color Picker");
    EXPECT_EQ(p.objectName(), "frmColorPicker");
    const Long expected[] = {126 + 125 * 65536,
                             175 + 125 * 65536,
                             175 * 256 + 200 * 65536,
                             225 + 225 * 65536,
                             16777215,
                             255 * 65536,
                             100 + 200 * 256,
                             175 + 200 * 256 + 250 * 65536,
                             255 + 183 * 256 + 183 * 65536,
                             234 + 255 * 256 + 179 * 65536,
                             255 + 137 * 256 + 113 * 65536,
                             255 + 255 * 256,
                             255 + 137 * 256 + 113 * 65536,
                             0};
    for (int i = 0; i < ColorPicker::kSwatchCount; ++i) {
        EXPECT_EQ(p.lblColor[static_cast<std::size_t>(i)]->FillColor(), expected[i]) << i;
    }
    EXPECT_EQ(p.txtRed->text(), "12");
    EXPECT_EQ(p.txtGreen->text(), "34");
    EXPECT_EQ(p.txtBlue->text(), "56");
    EXPECT_EQ(f.Preview(), 12 + 34 * 256 + 56 * 65536);
    for (QLineEdit* box : {p.txtRed, p.txtGreen, p.txtBlue}) {
        EXPECT_EQ(box->maxLength(), 3);
    }
}

TEST(ColorPicker, ReadsTypedComponentsLeniently) {
    struct Case {
        const char* typed;
        const char* shown;
        int component;
    };
    const Case cases[] = {{"300", "255", 255}, {"256", "255", 255}, {"255", "255", 255},
                          {"", "", 0},         {"abc", "abc", 0},   {"12x", "12x", 12},
                          {"1.5", "1.5", 2},   {"2.5", "2.5", 2},   {"3.5", "3.5", 4},
                          {".5", ".5", 0},     {"-5", "-5", 0},     {"-99", "-99", 0},
                          {"1e2", "1e2", 100}, {"9e9", "255", 255}, {"1234", "123", 123}};
    for (const Case& c : cases) {
        PickerFixture f(10, 20, 30);
        PickerFixture::Type(f.picker->txtGreen, QString::fromLatin1(c.typed));
        EXPECT_EQ(f.picker->txtGreen->text(), c.shown) << c.typed;
        EXPECT_EQ(f.picker->CurrentGreen, c.component) << c.typed;
        EXPECT_EQ(f.Preview(), 10 + c.component * 256 + 30 * 65536) << c.typed;
        QTest::mouseClick(f.picker->OKButton, Qt::LeftButton);
        EXPECT_TRUE(Picker.PickerAccepted);
        EXPECT_EQ(Picker.PickerRed, 10);
        EXPECT_EQ(Picker.PickerGreen, c.component) << c.typed;
        EXPECT_EQ(Picker.PickerBlue, 30);
    }
}

TEST(ColorPicker, NumericValueTakesTheLeadingNumber) {
    EXPECT_EQ(NumericValue(" 1 2x"), 12);
    EXPECT_EQ(NumericValue("+7"), 7);
    EXPECT_EQ(NumericValue("-"), 0);
    EXPECT_EQ(NumericValue("."), 0);
    EXPECT_EQ(NumericValue("4e"), 4);
    EXPECT_EQ(NumericValue("2.25"), 2.25);
}

TEST(ColorPicker, CancelChangesNothingEvenAfterSwatchClicks) {
    PickerFixture f(1, 2, 3);
    QTest::mouseClick(f.picker->lblColor[7], Qt::LeftButton);
    EXPECT_EQ(f.picker->txtBlue->text(), "250");
    EXPECT_EQ(f.Preview(), 175 + 200 * 256 + 250 * 65536);
    PickerFixture::Type(f.picker->txtRed, "9");
    QTest::mouseClick(f.picker->CancelButton, Qt::LeftButton);
    EXPECT_FALSE(f.picker->isVisible());
    EXPECT_EQ(f.picker->result(), QDialog::Rejected);
    EXPECT_FALSE(Picker.PickerAccepted);
    EXPECT_EQ(Picker.PickerRed, 1);
    EXPECT_EQ(Picker.PickerGreen, 2);
    EXPECT_EQ(Picker.PickerBlue, 3);
}

TEST(ColorPicker, OkWithoutEditsReturnsTheColourHandedIn) {
    PickerFixture f(212, 208, 200);
    QTest::mouseClick(f.picker->OKButton, Qt::LeftButton);
    EXPECT_TRUE(Picker.PickerAccepted);
    EXPECT_EQ(Picker.PickerRed, 212);
    EXPECT_EQ(Picker.PickerGreen, 208);
    EXPECT_EQ(Picker.PickerBlue, 200);
}

TEST(ColorPicker, OkAfterASwatchReturnsTheSwatchColour) {
    PickerFixture f(0, 0, 0);
    QTest::mouseClick(f.picker->lblColor[10], Qt::LeftButton);
    QTest::mouseClick(f.picker->OKButton, Qt::LeftButton);
    EXPECT_EQ(Picker.PickerRed, 255);
    EXPECT_EQ(Picker.PickerGreen, 137);
    EXPECT_EQ(Picker.PickerBlue, 113);
}

} // namespace
} // namespace tess
