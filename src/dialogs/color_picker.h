// The colour picker frmColorPicker: a palette of 14 swatches and three component boxes.
#pragma once

#include "dialogs/swatch_label.h"
#include "puzzle/numbers.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace tess {

// The exchange with the caller: the colour handed in, and after OK the colour chosen.
struct ColorPickerExchange {
    Byte PickerRed = 0;
    Byte PickerGreen = 0;
    Byte PickerBlue = 0;
    // Set by OK; the caller reads it and sets it back to false.
    bool PickerAccepted = false;
};

// Program-wide, like the settings variables.
extern ColorPickerExchange Picker;

class ColorPicker : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSwatchCount = 14;

    explicit ColorPicker(QWidget* parent = nullptr);

    std::array<SwatchLabel*, kSwatchCount> lblColor{};
    QLabel* lblColors = nullptr;
    QLabel* lblCustom = nullptr;
    SwatchLabel* shpPreviewColor = nullptr;
    QLabel* lblRed = nullptr;
    QLabel* lblGreen = nullptr;
    QLabel* lblBlue = nullptr;
    QLineEdit* txtRed = nullptr;
    QLineEdit* txtGreen = nullptr;
    QLineEdit* txtBlue = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    Byte CurrentRed = 0;
    Byte CurrentGreen = 0;
    Byte CurrentBlue = 0;

    static const std::array<Byte, kSwatchCount> PaletteRed;
    static const std::array<Byte, kSwatchCount> PaletteGreen;
    static const std::array<Byte, kSwatchCount> PaletteBlue;

    void lblColor_Click(int index);
    void OKButton_Click();
    void CancelButton_Click();

private:
    void Form_Load();
    // The change handling shared by the three boxes.
    void ComponentChanged(QLineEdit* box, Byte& component);
};

} // namespace tess
